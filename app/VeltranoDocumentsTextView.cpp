// The "Текст" tab's document: the rich-text view and its commands.
#include "VeltranoDocumentsTextView.h"
#include "VeltranoForm.h"

#include "editor/RectForm.h"
#include "editor/VlRichView.h"
#include "editor/VlWordListLibrary.h"

#include <QDir>
#include <QSlider>

namespace {

// The "Отступ" items set the text view's indent through its track bar, so both stay in step.
void SetIndent(TForm1 &form, int pixels)
{
    form.TrackBar1->setMaximum(std::max(form.TrackBar1->maximum(), pixels));
    form.TrackBar1->setValue(pixels);
    if (form.TrackBar1->value() == pixels) // no change signal when the value was already there
        static_cast<TVlRichView *>(form.Memo2)->SetLeftMargin(pixels);
}

} // namespace

void InstallTextView(TForm1 &form)
{
    auto *view = new TVlRichView;
    form.SetMemo2(view);
    view->AttachTrackBar(form.TrackBar1);

    std::string error;
    const std::string library = QDir(form.ProgramDir()).filePath("libquillon.so").toStdString();
    if (!TVlWordListLibrary::Instance().IsLoaded() && !TVlWordListLibrary::Instance().Load(library, error))
        form.AddLog(QString("Библиотека libquillon.so не загружена (%1): используются встроенные списки слов")
                        .arg(QString::fromStdString(error)));

    form.SetCommandHandler("TextRefreshClick", [view] { view->RefreshKeywords(true); });
    form.SetCommandHandler("IndentNoneClick", [&form] { SetIndent(form, 0); });
    form.SetCommandHandler("Indent15Click", [&form] { SetIndent(form, 15); });
    form.SetCommandHandler("Indent30Click", [&form] { SetIndent(form, 30); });
    form.SetCommandHandler("Indent45Click", [&form] { SetIndent(form, 45); });

    auto *rectForm = new TRectF(&form);
    QObject::connect(rectForm, &TRectF::IndentChanged, &form, [&form](int pixels) { SetIndent(form, pixels); });
    form.SetCommandHandler("IndentSetupClick", [rectForm] { rectForm->exec(); });
}
