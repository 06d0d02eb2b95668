// Items of the property grid: categories and named values, each value backed by a data object.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// How a value is shown and edited.
enum class TVlInspectorEditKind {
    None,           // shown only (a sub-object's summary)
    Text,           // a line of text
    Integer,        // a whole number, checked before it is taken
    Float,          // a number
    Choice,         // one of Choices()
    EditableChoice, // one of Choices() or typed text
    Set,            // any of Choices(), as "[a, b]"
    Boolean,        // "True" / "False"
    Color,          // a colour name or number, with a picker
    Font,           // edited with the font dialog
    Lines,          // several lines of text
};

// The value behind an item: read, written and described by name.
class TVlInspectorData {
public:
    explicit TVlInspectorData(QString name) : FName(std::move(name)) {}
    TVlInspectorData(const TVlInspectorData &) = delete;
    TVlInspectorData &operator=(const TVlInspectorData &) = delete;
    virtual ~TVlInspectorData() = default;

    // The name of the data ("UseBands", "Caption"); item adjustments look at it.
    const QString &Name() const { return FName; }
    virtual TVlInspectorEditKind EditKind() const = 0;
    // The value as the grid shows it.
    virtual QString Value() const = 0;
    // The text an editor starts from (all lines for Lines).
    virtual QString EditText() const { return Value(); }
    // Takes a value in the shown form; throws std::exception with a message for the user.
    virtual void SetValue(const QString &text) = 0;
    virtual QStringList Choices() const { return {}; }
    virtual bool IsReadOnly() const { return false; }
    // Differs from the default, so a form file stores it: the grid draws the name bold.
    virtual bool IsModified() const { return false; }

private:
    QString FName;
};

class TVlInspectorItem {
public:
    // A category has no data.
    TVlInspectorItem(QString displayName, std::unique_ptr<TVlInspectorData> data);
    TVlInspectorItem(const TVlInspectorItem &) = delete;
    TVlInspectorItem &operator=(const TVlInspectorItem &) = delete;
    ~TVlInspectorItem();

    const QString &DisplayName() const { return FDisplayName; }
    TVlInspectorData *Data() const { return FData.get(); }
    TVlInspectorItem *Parent() const { return FParent; }
    int Depth() const;
    bool IsCategory() const { return FCategory; }
    bool IsBoolean() const;

    int Count() const { return static_cast<int>(FChildren.size()); }
    TVlInspectorItem *Child(int index) const { return FChildren.at(size_t(index)).get(); }
    // Appends, or inserts by display name (letter case ignored) when the children are sorted.
    TVlInspectorItem *Add(std::unique_ptr<TVlInspectorItem> child);
    void Clear() { FChildren.clear(); }

    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool value) { FExpanded = value; }
    bool SortChildren() const { return FSortChildren; }
    void SetSortChildren(bool value) { FSortChildren = value; }
    // Read-only items show their value without an editor.
    bool ReadOnly() const { return FReadOnly || (FData && FData->IsReadOnly()); }
    void SetReadOnly(bool value) { FReadOnly = value; }
    // Boolean items only: drawn as a check box instead of "True"/"False".
    bool ShowAsCheckBox() const { return FShowAsCheckBox; }
    void SetShowAsCheckBox(bool value) { FShowAsCheckBox = value; }

    // A compound item shows several values side by side; each part but the last gets a width
    // in percent of the row, the last takes the rest.
    bool IsCompound() const { return !FParts.empty(); }
    void AddPart(std::unique_ptr<TVlInspectorItem> part, int width);
    int PartCount() const { return static_cast<int>(FParts.size()); }
    TVlInspectorItem *Part(int index) const { return FParts.at(size_t(index)).get(); }
    int PartWidth(int index) const { return FPartWidths.at(size_t(index)); }

private:
    friend class TVlInspectorModel;
    QString FDisplayName;
    std::unique_ptr<TVlInspectorData> FData;
    TVlInspectorItem *FParent = nullptr;
    std::vector<std::unique_ptr<TVlInspectorItem>> FChildren;
    std::vector<std::unique_ptr<TVlInspectorItem>> FParts;
    std::vector<int> FPartWidths;
    bool FCategory = false;
    bool FExpanded = false;
    bool FSortChildren = true;
    bool FReadOnly = false;
    bool FShowAsCheckBox = false;
};
