// The form designer on the "Дизайнер" tab, wired into the main window.
#include "VeltranoDesigner.h"

#include "VeltranoDocuments.h"
#include "VeltranoForm.h"

#include "designer/VlDesignIntegration.h"

#include <QSplitter>
#include <QTabWidget>

void InstallDesigner(TForm1 &form)
{
    TVlDesignHost host;
    host.PaletteBar = form.PaletteBar;
    host.MenuItem = [&form](const QString &name) { return form.MenuItem(name); };
    host.ShowError = [&form](const QString &message) { form.ShowErrorMessage(message); };
    host.ShowDesignerPage = [&form] {
        if (QWidget *page = form.PageControl1->findChild<QWidget *>(QStringLiteral("TabSheet2")))
            form.PageControl1->setCurrentWidget(page);
    };
    host.UseCheckMarks = &form.UseCheckMarks;
    host.PendingAddClass = &form.PendingAddClass;
    host.StickyAddClass = &form.StickyAddClass;
    host.ProgramDir = form.ProgramDir();
    host.DialogParent = &form;
    // A child of the splitter made before the panel's widget joins it: Qt frees it, and with it
    // the panel and the designed form, while the panel's widget still stands.
    auto *designer = new TVlDesignIntegration(std::move(host), form.DesignSplitter);
    form.VlDesignPanel = form.ReplaceComponent(form.VlDesignPanel, designer->PanelWidget());
    form.VlInspector1 = form.ReplaceComponent(form.VlInspector1, designer->InspectorWidget());
    // The page was never laid out: the grid's panel gets its 185 pixels, the panel the rest.
    form.DesignSplitter->setStretchFactor(1, 1);
    form.DesignSplitter->setSizes({185, 600});

    form.SetCommandHandler("DesignerViewClick", [designer](const QString &sender) { designer->ViewClick(sender); });
    form.SetCommandHandler("DesignerMessageModeClick", [designer] { designer->MessageModeClick(); });
    form.SetCommandHandler("DesignerActiveClick", [designer] { designer->ActiveClick(); });
    form.SetCommandHandler("DesignerClearClick", [designer] { designer->ClearClick(); });
    form.SetCommandHandler("DesignerRefreshClick", [designer] { designer->RefreshClick(); });
    form.SetCommandHandler("OpenFormClick", [designer] { designer->OpenFormClick(); });
    form.SetCommandHandler("DesignerUndoClick", [designer] { designer->UndoClick(); });
    form.SetCommandHandler("DesignerRedoClick", [designer] { designer->RedoClick(); });
    QObject::connect(&form, &TForm1::FirstShown, designer, [designer] { designer->FirstShown(); });
    if (TVlDocuments *documents = TVlDocuments::Of(form)) {
        documents->SaveDesignerForm = [designer](const QString &path) { designer->SaveForm(path); };
        QObject::connect(designer, &QObject::destroyed, documents, [documents] { documents->SaveDesignerForm = nullptr; });
    }
}

TVlDesignIntegration *DesignerOf(const TForm1 &form)
{
    return form.findChild<TVlDesignIntegration *>(QStringLiteral("VlDesignIntegration"));
}

void ResetDesignSurface(TForm1 &form)
{
    if (TVlDesignIntegration *designer = DesignerOf(form))
        designer->ResetSurface();
}
