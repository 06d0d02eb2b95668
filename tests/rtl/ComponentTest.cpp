// TComponent: names, ownership, destruction with the owner, free notifications and lookups.
#include "VlComponent.h"
#include "VlExceptions.h"

#include <gtest/gtest.h>

namespace {

// Counts its destructions and records the notifications it receives.
class TWatcher : public TComponent {
    VL_CLASS(TWatcher)
    explicit TWatcher(TComponent *owner = nullptr, int *destroyed = nullptr) : TComponent(owner), Destroyed(destroyed) {}
    ~TWatcher() override
    {
        if (Destroyed)
            ++*Destroyed;
    }
    void Notification(TComponent *component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component == Watched)
            Watched = nullptr;
    }
    int *Destroyed = nullptr;
    TComponent *Watched = nullptr;
};
VL_IMPLEMENT_CLASS(TWatcher, TComponent, "ComponentTest")

std::string ErrorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const Exception &error) {
        return error.Message();
    }
    return "";
}

} // namespace

TEST(Component, NameMustBeAnIdentifier)
{
    struct Row {
        const char *name;
        bool valid;
    };
    const Row rows[] = {{"Button1", true}, {"_x", true}, {"a_1_b", true}, {"", true},
                        {"1Button", false}, {"Button 1", false}, {"Кнопка", false}, {"a.b", false}};
    for (const Row &row : rows) {
        TComponent component;
        const std::string error = ErrorOf([&] { component.SetName(row.name); });
        if (row.valid) {
            EXPECT_EQ(error, "") << row.name;
            EXPECT_EQ(component.Name(), row.name);
        } else {
            EXPECT_EQ(error, std::string("'") + row.name + "' is not a valid component name");
            EXPECT_EQ(component.Name(), "");
        }
    }
}

TEST(Component, NamesAreUniqueWithinTheOwnerIgnoringCase)
{
    TComponent owner;
    auto *first = new TComponent(&owner);
    auto *second = new TComponent(&owner);
    first->SetName("Button1");
    EXPECT_EQ(ErrorOf([&] { second->SetName("BUTTON1"); }), "A component named BUTTON1 already exists");
    EXPECT_EQ(second->Name(), "");
    first->SetName("button1"); // a change of case of its own name is fine
    EXPECT_EQ(first->Name(), "button1");
    second->SetName("Button2");
    TComponent elsewhere;
    elsewhere.SetName("Button2"); // other owners do not matter
    auto *stranger = new TComponent(nullptr);
    stranger->SetName("Button2");
    EXPECT_THROW(owner.InsertComponent(stranger), EComponentError);
    EXPECT_EQ(stranger->Owner(), nullptr);
    delete stranger;
}

TEST(Component, OwnedComponentsAreDestroyedWithTheOwner)
{
    int destroyed = 0;
    {
        TWatcher owner(nullptr, &destroyed);
        auto *child = new TWatcher(&owner, &destroyed);
        new TWatcher(child, &destroyed);
        new TWatcher(&owner, &destroyed);
        EXPECT_EQ(owner.ComponentCount(), 2);
        EXPECT_EQ(child->ComponentCount(), 1);
    }
    EXPECT_EQ(destroyed, 4);
}

TEST(Component, DeletingAComponentRemovesItFromItsOwner)
{
    TComponent owner;
    auto *a = new TComponent(&owner);
    auto *b = new TComponent(&owner);
    a->SetName("A");
    b->SetName("B");
    delete a;
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), b);
    EXPECT_EQ(owner.FindComponent("a"), nullptr);
    EXPECT_EQ(owner.FindComponent("b"), b);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(Component, ComponentsIndexAndErrors)
{
    TComponent owner;
    auto *a = new TComponent(&owner);
    auto *b = new TComponent(&owner);
    auto *c = new TComponent(&owner);
    EXPECT_EQ(b->ComponentIndex(), 1);
    c->SetComponentIndex(0);
    EXPECT_EQ(owner.Components(0), c);
    EXPECT_EQ(owner.Components(1), a);
    EXPECT_EQ(owner.Components(2), b);
    EXPECT_EQ(ErrorOf([&] { owner.Components(3); }), "List index out of bounds (3)");
    EXPECT_EQ(ErrorOf([&] { owner.Components(-1); }), "List index out of bounds (-1)");
    TComponent lonely;
    EXPECT_EQ(lonely.ComponentIndex(), -1);
}

TEST(Component, InsertAndRemoveMoveOwnership)
{
    TComponent first;
    TComponent second;
    auto *child = new TComponent(&first);
    second.InsertComponent(child);
    EXPECT_EQ(child->Owner(), &second);
    EXPECT_EQ(first.ComponentCount(), 0);
    EXPECT_EQ(second.ComponentCount(), 1);
    second.RemoveComponent(child);
    EXPECT_EQ(child->Owner(), nullptr);
    delete child;
}

TEST(Component, FreeNotificationClearsReferences)
{
    TComponent form;
    auto *menu = new TComponent(&form);
    TWatcher user;
    user.Watched = menu;
    menu->FreeNotification(&user);
    delete menu;
    EXPECT_EQ(user.Watched, nullptr);

    // Removing the request stops the notification.
    auto *other = new TComponent(&form);
    user.Watched = other;
    other->FreeNotification(&user);
    other->RemoveFreeNotification(&user);
    delete other;
    EXPECT_EQ(user.Watched, other);
}

TEST(Component, FreeNotificationsSurviveTheWatcherDyingFirst)
{
    auto *menu = new TComponent;
    {
        TWatcher user;
        menu->FreeNotification(&user);
    }
    delete menu; // must not touch the destroyed watcher
}

TEST(Component, OwnerHearsAboutRemovalOfOwnedComponents)
{
    TWatcher form;
    auto *button = new TComponent(&form);
    form.Watched = button;
    delete button;
    EXPECT_EQ(form.Watched, nullptr);
}

TEST(Component, DesigningSpreadsToOwnedComponents)
{
    TComponent form;
    auto *panel = new TComponent(&form);
    form.SetDesigning(true);
    EXPECT_TRUE(panel->HasState(csDesigning));
    auto *later = new TComponent(&form);
    EXPECT_TRUE(later->HasState(csDesigning));
    form.SetDesigning(false);
    EXPECT_FALSE(later->HasState(csDesigning));
}

TEST(Component, DefaultChildrenAreTheRootsOwnedComponentsWithoutParent)
{
    TComponent root;
    auto *a = new TComponent(&root);
    auto *b = new TComponent(a);
    std::vector<TComponent *> children;
    root.GetChildren([&](TComponent *child) { children.push_back(child); }, &root);
    EXPECT_EQ(children, std::vector<TComponent *>{a});
    children.clear();
    a->GetChildren([&](TComponent *child) { children.push_back(child); }, &root);
    EXPECT_TRUE(children.empty());
    (void)b;
}

TEST(Component, NamePathAndAssignErrors)
{
    TComponent form;
    form.SetName("Form1");
    TComponent other;
    EXPECT_EQ(form.GetNamePath(), "Form1");
    EXPECT_EQ(ErrorOf([&] { form.Assign(&other); }), "Cannot assign a TComponent to a TComponent");
    EXPECT_EQ(ErrorOf([&] { form.Assign(nullptr); }), "Cannot assign a nil to a TComponent");
}
