// The hidden expression compiler of the window.
#include "VlExpressionPanel.h"

#include "editor/VlHLEditor.h"
#include "rtl/VlSysUtils.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <chrono>
#include <stdexcept>

namespace {

const QString kNoLibrary = QStringLiteral("Библиотека libfornax.so не загружена: компилятор выражений недоступен");

} // namespace

TVlExpressionPanel::TVlExpressionPanel(TVlHLEditor *editor, QAction *compileItem,
                                       std::function<void(const QString &line)> addLog, QWidget *parent)
    : QWidget(parent)
    , FEditor(editor)
    , FCompileItem(compileItem)
    , FAddLog(std::move(addLog))
{
    setObjectName("ExpressionPanel");
    auto *layout = new QHBoxLayout(this);
    Edit1 = new QLineEdit(QStringLiteral("x*x+1"), this);
    Edit1->setObjectName("Edit1");
    Edit2 = new QLineEdit(QStringLiteral("2"), this);
    Edit2->setObjectName("Edit2");
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    layout->addWidget(Edit1);
    layout->addWidget(Edit2);
    layout->addWidget(Label1);
    FCompileItem->setEnabled(false);
    hide();
}

void TVlExpressionPanel::LoadLibrary(const QString &path)
{
    std::string error;
    if (!FLibrary.Load(path.toStdString(), error))
        FAddLog(QStringLiteral("Библиотека libfornax.so не загружена (%1)").arg(QString::fromStdString(error)));
}

bool TVlExpressionPanel::RequireLibrary()
{
    if (FLibrary.IsLoaded())
        return true;
    FAddLog(kNoLibrary);
    return false;
}

void TVlExpressionPanel::ExprCancelClick()
{
    FEditor->SetText(QString());
    if (!RequireLibrary())
        return;
    // The library answers where reading failed; the routine is then gone, which the other
    // items show.
    if (const double column = FLibrary.Prepare(Edit1->text().toStdString()); column != 0)
        FAddLog(QStringLiteral("Выражение не разобрано: ошибка в позиции %1").arg(column));
    FCompileItem->setEnabled(true);
}

void TVlExpressionPanel::ExprCompileClick()
{
    if (!RequireLibrary())
        return;
    double x = 0;
    if (!VlSysUtils::TryStrToFloat(Edit2->text().trimmed().toStdString(), x))
        throw std::runtime_error(QStringLiteral("«%1» — не число").arg(Edit2->text()).toStdString());
    FLibrary.Input() = x;
    if (TFornaxRoutine routine = FLibrary.Routine())
        routine();
    Label1->setText(QString::fromStdString(VlSysUtils::FloatToStr(FLibrary.Output())));
}

void TVlExpressionPanel::ExprSpeedClick(long long calls)
{
    if (!RequireLibrary())
        return;
    TFornaxRoutine routine = FLibrary.Routine();
    if (!routine) {
        FAddLog(QStringLiteral("Нет скомпилированного выражения"));
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    for (long long i = 0; i < calls; ++i)
        routine();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    FEditor->AppendLine(QStringLiteral("work time for %1 repeats =%2 sec")
                            .arg(calls - 1)
                            .arg(QString::fromStdString(VlSysUtils::FloatToStr(seconds))));
    FEditor->AppendLine(QStringLiteral("=%1 days").arg(QString::fromStdString(VlSysUtils::FloatToStr(seconds / 86400))));
}
