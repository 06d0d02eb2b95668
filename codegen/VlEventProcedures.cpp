// Event procedure generator and its list files.
#include "VlEventProcedures.h"

#include "VlCp1251.h"

#include <QDir>

namespace {

struct TEventRow {
    const char *item;
    const char *procedure; // the name after "T<Form>." (control events: after the control name)
    const char *parameters;
    const char *description;
};

const TEventRow ControlEvents[] = {
    {"OnClick", "Click", "(Sender: TObject)", "Процедура при клике левой кнопки мыши"},
    {"OnChange", "Change", "(Sender: TObject)", "Процедура при изменении элемента"},
    {"OnDblClick", "DblClick", "(Sender: TObject)", "Процедура при двойном клике левой кнопки мыши"},
    {"OnEnter", "Enter", "(Sender: TObject)", "Процедура при вводе элемента"},
    {"OnSelect", "Select", "(Sender: TObject)", "Процедура при выборе элемента"},
};

// The deactivate event is recognised as "OnDectivate", the spelling of its generated header; the
// shipped list file uses the same spelling so that the item can be generated.
const TEventRow FormEvents[] = {
    {"OnActivate", "OnActivate", "(Sender: TObject)", "Процедура при активации текущей формы"},
    {"OnClose", "FormClose", "(Sender: TObject)", "Процедура при закрытии текущей формы"},
    {"OnCloseQuery", "FormCloseQuery", "(Sender: TObject; var CanClose: Boolean)",
     "Процедура при запросе о выходе из текущей формы"},
    {"OnCreate", "FormCreate", "(Sender: TObject)", "Процедура при создании текущей формы"},
    {"OnDectivate", "OnDectivate", "(Sender: TObject)", "Процедура при отмены активации текущей формы"},
    {"OnDestroy", "FormDestroy", "(Sender: TObject)", "Процедура при уничтожении текущей формы"},
    {"OnShow", "FormShow", "(Sender: TObject)", "Процедура при отображении текущей формы"},
    {"OnPaint", "FormPaint", "(Sender: TObject)", "Процедура при вырисовывании текущей формы"},
};

template <std::size_t N>
const TEventRow *FindRow(const TEventRow (&rows)[N], const QString &item)
{
    for (const TEventRow &row : rows)
        if (item == QLatin1String(row.item))
            return &row;
    return nullptr;
}

void AppendProcedure(TVlEventProcedures &result, const QString &item, const QString &header)
{
    result.lines << header << "begin" << "" << "end;";
    result.logLines << QStringLiteral("Добавлена процедура ") + item;
}

} // namespace

QStringList BuiltInControlEvents()
{
    return {"OnChange", "OnClick", "OnDblClick", "OnEnter", "OnSelect", NotChosenItem};
}

QStringList BuiltInFormEvents()
{
    return {"OnActivate", "OnClose",  "OnCloseQuery", "OnCreate",   "OnDectivate",
            "OnDestroy",  "OnPaint",  "OnShow",       NotChosenItem};
}

std::optional<QString> ControlEventDescription(const QString &item)
{
    const TEventRow *row = FindRow(ControlEvents, item);
    return row ? std::optional<QString>(QString::fromUtf8(row->description)) : std::nullopt;
}

std::optional<QString> FormEventDescription(const QString &item)
{
    const TEventRow *row = FindRow(FormEvents, item);
    return row ? std::optional<QString>(QString::fromUtf8(row->description)) : std::nullopt;
}

TVlEventProcedures GenerateEventProcedures(const QString &controlItem, const QString &formItem,
                                           const QString &formName, const QString &controlName)
{
    TVlEventProcedures result;
    // 1-2. The control event, or the hint when its list is left on "не выбрано".
    if (controlItem == NotChosenItem)
        result.description = ChooseProcedureText;
    if (const TEventRow *row = FindRow(ControlEvents, controlItem))
        AppendProcedure(result, controlItem,
                        "procedure T" + formName + "." + controlName + row->procedure + row->parameters);
    // 3-4. The form event likewise.
    if (formItem == NotChosenItem)
        result.description = ChooseProcedureText;
    if (const TEventRow *row = FindRow(FormEvents, formItem))
        AppendProcedure(result, formItem,
                        "procedure T" + formName + "." + row->procedure + row->parameters);
    return result;
}

TVlEventListFiles TVlEventListFiles::In(const QString &folder)
{
    return {QDir(folder).filePath("FormProc.vlf"), QDir(folder).filePath("ObjectProc.vlf")};
}

std::optional<QStringList> LoadEventList(const QString &path, QString &error)
{
    std::string bytes;
    try {
        bytes = ReadFileBytes(path.toStdString());
    } catch (const EVlFileError &e) {
        error = QString("Cannot open file \"%1\". %2").arg(path, QString::fromStdString(e.Reason()));
        return std::nullopt;
    }
    QString text = QString::fromStdString(DecodeFileText(bytes));
    text.replace("\r\n", "\n").replace('\r', '\n');
    QStringList items = text.split('\n');
    if (!items.isEmpty() && items.last().isEmpty())
        items.removeLast(); // the line end of the last item
    return items;
}

bool SaveEventList(const QString &path, const QStringList &items, QString &error)
{
    QString text;
    for (const QString &item : items)
        text += item + "\r\n";
    try {
        WriteFileBytesAtomically(path.toStdString(), EncodeFileText(text.toStdString()));
    } catch (const EVlFileError &e) {
        error = QString("Cannot create file \"%1\". %2").arg(path, QString::fromStdString(e.Reason()));
        return false;
    }
    return true;
}
