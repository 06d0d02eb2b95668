// The designer integration: panel, palette, property grid and the designer commands.
#include "VlDesignIntegration.h"

#include "VlDesignHandlerNames.h"
#include "VlDesignImpMessengers.h"
#include "VlDesignImpSelector.h"
#include "VlDesignPalette.h"
#include "VlDesignPanel.h"
#include "VlDesignUtils.h"
#include "components/VlRegisterComponents.h"
#include "inspector/VlInspector.h"
#include "inspector/VlInspectorPropData.h"
#include "inspector/VlInspectorValues.h"

#include <QAction>
#include <QFileDialog>
#include <QPainter>

const QString TVlDesignIntegration::FormFileFilter =
    QStringLiteral("Форма Veltrano (*.vlf)|*.vlf|Форма дизайнера Tessaform (.fds)|*.fds");

namespace {

const QString FormCategory = QStringLiteral("Form and controls");
const QString AboutVersion = QStringLiteral("3.30");

// "description|patterns|..." as file dialog filters, "description (patterns)".
QStringList DialogFilters(const QString &filter)
{
    QStringList filters;
    const QStringList parts = filter.split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + parts[i + 1].split(';').join(' ') + ")";
    return filters;
}

} // namespace

TVlDesignIntegration::TVlDesignIntegration(TVlDesignHost host, QObject *parent)
    : QObject(parent), FHost(std::move(host)), FCompoundValues{QStringLiteral("Ivan"), QStringLiteral("I."),
                                                                QStringLiteral("Petrov")}
{
    setObjectName(QStringLiteral("VlDesignIntegration"));
    RegisterVlComponents();
    FPanel = new TVlDesignPanel();
    FPanel->SetName("VlDesignPanel");
    FPanel->SetColor(clWhite);
    TVlDesignSurface *surface = FPanel->Surface();
    surface->OnError = [this](const std::exception_ptr &error) {
        if (FHost.ShowError)
            FHost.ShowError(VlToQString(VlExceptionMessage(error)));
    };
    surface->OnGetAddClass = [this](TVlDesignSurface &, std::string &ioClass) {
        ioClass = FHost.PendingAddClass->toStdString();
        if (!*FHost.StickyAddClass) {
            FHost.PendingAddClass->clear();
            FPalette->PressSelect();
        }
    };
    surface->OnSelectionChange = [this](TVlDesignSurface &) { ShowSelection(); };
    surface->OnChange = [this](TVlDesignSurface &) {
        if (TVlInspector *inspector = Inspector())
            inspector->viewport()->update();
        UpdateUndoItems();
    };

    FPalette = new TVlDesignPalette(FHost.PaletteBar);
    FPalette->OnClick = [this](int tag, bool shift) {
        *FHost.PendingAddClass = QString::fromUtf8(PaletteClassName(tag));
        *FHost.StickyAddClass = shift;
    };
    CreateInspector();
    AskFormFile = [this] { return ShowFormFileDialog(); };
    FPanel->SetActive(true);
    UpdateUndoItems();
}

TVlDesignIntegration::~TVlDesignIntegration()
{
    TVlDesignSurface *surface = FPanel->Surface();
    surface->OnSelectionChange = nullptr;
    surface->OnChange = nullptr;
    surface->OnGetAddClass = nullptr;
    surface->OnError = nullptr;
    delete FPanel;
}

QWidget *TVlDesignIntegration::PanelWidget() const
{
    return FPanel->Widget();
}

void TVlDesignIntegration::UpdateUndoItems()
{
    if (!FHost.MenuItem)
        return;
    const bool canUndo = FPanel->Surface()->CanUndo();
    const bool canRedo = FPanel->Surface()->CanRedo();
    for (const char *name : {"FormUndo1", "DsUndo1"})
        if (QAction *item = FHost.MenuItem(QString::fromLatin1(name)))
            item->setEnabled(canUndo);
    for (const char *name : {"FormRedo1", "DsRedo1"})
        if (QAction *item = FHost.MenuItem(QString::fromLatin1(name)))
            item->setEnabled(canRedo);
}

// ---------------------------------------------------------------------------------------------
// The property grid

void TVlDesignIntegration::AdjustItem(TVlInspectorItem &item)
{
    // 1. Booleans as check boxes (as "Use check marks" has it at the moment).
    if (item.IsBoolean())
        item.SetShowAsCheckBox(*FHost.UseCheckMarks);
    if (!item.Data())
        return;
    // 2. "About" is read-only.
    if (item.Data()->Name() == QStringLiteral("About"))
        item.SetReadOnly(true);
    // 3. "Painter" chooses among the painters of the window.
    if (item.Data()->Name() == QStringLiteral("Painter"))
        if (auto *choice = dynamic_cast<TVlInspectorChoiceData *>(item.Data())) {
            TVlInspectorModel *model = FInspector->Model();
            choice->SetChoices([model] {
                QStringList names;
                for (const TVlInspectorPainter &painter : model->Painters())
                    names << painter.Name;
                return names;
            });
        }
}

void TVlDesignIntegration::CreateInspector()
{
    FInspector = new TVlInspector();
    FInspectorWidget = FInspector;
    TVlInspectorModel *model = FInspector->Model();
    model->SetPainters({ClassicInspectorPainter(QStringLiteral("VlInspectorClassicPainter1")),
                        NavyInspectorPainter(QStringLiteral("VlInspectorNavyPainter1"))});
    model->OnItemCreated = [this](TVlInspectorItem &item) { AdjustItem(item); };
    model->OnEdit = [this](const std::function<void()> &change) { FPanel->Surface()->ChangeDesign(change); };
    model->OnError = [this](const QString &message) {
        if (FHost.ShowError)
            FHost.ShowError(message);
    };

    // One update from here until "Form and controls" is added when the window first shows.
    *FHost.UseCheckMarks = true;
    model->BeginUpdate();
    TVlInspectorItem *global = model->AddCategory(QStringLiteral("Global Settings"), true);
    model->AddItem(global, QStringLiteral("Use check marks"),
                   std::make_unique<TVlInspectorBoolData>(
                       QStringLiteral("UseCheckMarks"), [this] { return *FHost.UseCheckMarks; },
                       [this](bool value) { SetUseCheckMarks(value); }));

    TVlInspectorItem *settings = model->AddCategory(QStringLiteral("Veltrano Settings"), true);
    model->AddItem(settings, QStringLiteral("Use bands"),
                   std::make_unique<TVlInspectorBoolData>(
                       QStringLiteral("UseBands"), [model] { return model->UseBands(); },
                       [model](bool value) { model->SetUseBands(value); }));
    model->AddItem(settings, QStringLiteral("TAB navigates"),
                   std::make_unique<TVlInspectorBoolData>(
                       QStringLiteral("WantTabs"), [model] { return model->WantTabs(); },
                       [model](bool value) { model->SetWantTabs(value); }));
    model->AddItem(settings, QStringLiteral("Paint style"),
                   std::make_unique<TVlInspectorChoiceData>(
                       QStringLiteral("Painter"), [] { return QStringList(); }, [model] { return model->Painter().Name; },
                       [model](const QString &name) { model->SetPainterName(name); }));
    model->AddItem(settings, QStringLiteral("About"),
                   std::make_unique<TVlInspectorTextData>(QStringLiteral("About"), [] { return AboutVersion; }));

    TVlInspectorItem *compound = model->AddCategory(QStringLiteral("Compound items test"), false);
    auto item = std::make_unique<TVlInspectorItem>(QStringLiteral("Compound"), nullptr);
    const QString labels[3] = {QStringLiteral("First"), QStringLiteral("Initial"), QStringLiteral("Last")};
    const int widths[3] = {25, 15, 0};
    for (int i = 0; i < 3; ++i)
        item->AddPart(std::make_unique<TVlInspectorItem>(
                          labels[i], std::make_unique<TVlInspectorTextData>(
                                         labels[i], [this, i] { return FCompoundValues[i]; },
                                         [this, i](const QString &text) { FCompoundValues[i] = text; })),
                      widths[i]);
    model->AddItem(compound, std::move(item));
}

void TVlDesignIntegration::FirstShown()
{
    TVlInspectorModel *model = FInspector->Model();
    if (model->FindCategory(FormCategory))
        return;
    model->AddCategory(FormCategory, true, false);
    ShowSelection();
    model->EndUpdate();
}

void TVlDesignIntegration::SetUseCheckMarks(bool value)
{
    if (value == *FHost.UseCheckMarks)
        return;
    *FHost.UseCheckMarks = value;
    TVlInspectorModel *model = FInspector->Model();
    model->BeginUpdate();
    try {
        model->ForEachItem([value](TVlInspectorItem &item) {
            if (item.IsBoolean())
                item.SetShowAsCheckBox(value);
        });
    } catch (...) {
        model->EndUpdate();
        throw;
    }
    model->Changed();
    model->EndUpdate();
}

void TVlDesignIntegration::ShowSelection()
{
    if (!Inspector())
        return;
    TVlInspectorModel *model = FInspector->Model();
    TVlInspectorItem *category = model->FindCategory(FormCategory);
    if (!category)
        return;
    TVlDesignSelector *selector = FPanel->Surface()->Selector();
    TComponent *shown = selector->Count() > 0 ? selector->Selection(0) : FPanel;
    TVlInspectorMethodNames names;
    names.NameOf = [](const TMethod &method) { return QString::fromStdString(DesignHandlerName(method)); };
    names.MethodOf = [](const QString &name) { return DesignHandlerMethod(name.toStdString()); };
    model->BeginUpdate();
    model->ClearItems(category);
    AddComponentItems(*model, category, shown, names);
    model->EndUpdate();
}

// ---------------------------------------------------------------------------------------------
// Commands

void TVlDesignIntegration::ApplyView()
{
    const QAction *rules = FHost.MenuItem ? FHost.MenuItem(QStringLiteral("FormRules1")) : nullptr;
    if (!rules || rules->isChecked()) {
        FPanel->SetColor(clWhite);
        FPanel->SetDrawRules(true);
        FPanel->OnPaint = nullptr;
    } else {
        FPanel->SetColor(clBtnFace);
        FPanel->SetDrawRules(false);
        FPanel->OnPaint = [](TVlDesignPanel &panel, QPainter &painter) {
            DrawDotGrid(painter, panel.Widget()->rect(), ColorToQColor(panel.Color()), 8, Qt::black);
        };
    }
    FPanel->Repaint();
    if (TVlInspector *inspector = Inspector())
        inspector->viewport()->update(); // the panel's Color
}

void TVlDesignIntegration::ViewClick(const QString &sender)
{
    // Both "Вид" menus switch the view and keep each other's check marks.
    const QStringList main = {QStringLiteral("FormRules1"), QStringLiteral("FormGrid1")};
    const QStringList popup = {QStringLiteral("DsStandard1"), QStringLiteral("DsGrid1")};
    const bool fromPopup = popup.contains(sender);
    for (int i = 0; i < 2 && FHost.MenuItem; ++i) {
        QAction *from = FHost.MenuItem(fromPopup ? popup[i] : main[i]);
        QAction *to = FHost.MenuItem(fromPopup ? main[i] : popup[i]);
        if (from && to)
            to->setChecked(from->isChecked());
    }
    ApplyView();
}

void TVlDesignIntegration::MessageModeClick()
{
    const QAction *windowHandler = FHost.MenuItem ? FHost.MenuItem(QStringLiteral("FormWindowHandler1")) : nullptr;
    FPanel->Surface()->SetMessengerClass(windowHandler && windowHandler->isChecked()
                                             ? &TVlDesignWinControlHookMessenger::Create
                                             : &TVlDesignDesignerMessenger::Create);
    FPanel->Repaint();
}

void TVlDesignIntegration::ActiveClick()
{
    const QAction *active = FHost.MenuItem ? FHost.MenuItem(QStringLiteral("FormActive1")) : nullptr;
    FPanel->SetActive(!active || active->isChecked());
    FPanel->Repaint();
    if (FHost.ShowDesignerPage)
        FHost.ShowDesignerPage();
}

void TVlDesignIntegration::ClearClick()
{
    FPanel->ClearForm();
    if (FHost.ShowDesignerPage)
        FHost.ShowDesignerPage();
}

void TVlDesignIntegration::RefreshClick()
{
    FPanel->Repaint();
}

std::optional<QString> TVlDesignIntegration::ShowFormFileDialog()
{
    QFileDialog dialog(FHost.DialogParent);
    dialog.setDirectory(FHost.ProgramDir);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(DialogFilters(FormFileFilter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

void TVlDesignIntegration::OpenFormClick()
{
    if (FHost.ShowDesignerPage)
        FHost.ShowDesignerPage();
    if (const std::optional<QString> file = AskFormFile())
        FPanel->LoadForm(file->toStdString());
}

void TVlDesignIntegration::UndoClick()
{
    if (FHost.ShowDesignerPage)
        FHost.ShowDesignerPage();
    FPanel->Surface()->Undo();
}

void TVlDesignIntegration::RedoClick()
{
    if (FHost.ShowDesignerPage)
        FHost.ShowDesignerPage();
    FPanel->Surface()->Redo();
}

void TVlDesignIntegration::SaveForm(const QString &path)
{
    FPanel->SaveForm(path.toStdString());
}

void TVlDesignIntegration::ResetSurface()
{
    FPanel->ClearForm();
}
