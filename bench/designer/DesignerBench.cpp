// Times the designer on a form of 500 controls: one mouse-move step while 50 selected controls
// are dragged (the overlay repainted), and opening the form from its file.
#include "designer/VlDesignImpController.h"
#include "designer/VlDesignImpSelector.h"
#include "designer/VlDesignPanel.h"
#include "components/VlRegisterComponents.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int ControlCount = 500;
constexpr int SelectedCount = 50;

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double Ms(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// 500 controls of four kinds in a grid of 25 columns, placed the way the designer places them.
void FillForm(TVlDesignPanel &panel)
{
    TVlDesignSurface &surface = *panel.Surface();
    const char *classes[] = {"TButton", "TLabel", "TEdit", "TCheckBox"};
    for (int i = 0; i < ControlCount; ++i) {
        surface.SetPendingClassName(classes[i % 4]);
        surface.SelectOnly(nullptr);
        surface.PlaceControl();
        TControl *control = surface.Selector()->Selection(0);
        control->SetBounds(8 + (i % 25) * 47, 8 + (i / 25) * 44, 44, 22);
    }
}

void SendMove(QWidget *widget, const QPoint &at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    RegisterVlComponents();
    TVlDesignPanel panel;
    panel.SetName("VlDesignPanel");
    QWidget *container = panel.Widget();
    container->resize(1200, 900);
    container->show();
    panel.SetActive(true);
    FillForm(panel);
    QApplication::processEvents();

    // drag500: 50 selected controls, a press on one of them, then moves.
    TVlDesignSurface &surface = *panel.Surface();
    surface.SelectOnly(nullptr);
    const std::vector<TControl *> controls = surface.DesignedControls();
    for (int i = 0; i < SelectedCount; ++i)
        surface.Selector()->ExtendSelection(controls[size_t(i * (ControlCount / SelectedCount))]);
    TControl *pressed = controls[0];
    QWidget *target = pressed->Widget();
    const QPoint start(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, start, target->mapToGlobal(start), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    std::vector<double> steps;
    for (int i = 1; i <= 200; ++i) {
        const QPoint at = start + QPoint(i % 60, (i * 3) % 45);
        steps.push_back(Ms([&] {
            SendMove(target, at);
            QApplication::processEvents(); // the overlay's repaint
        }));
    }
    QMouseEvent release(QEvent::MouseButtonRelease, start, target->mapToGlobal(start), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    std::printf("bench designer.drag500: %.1f ms\n", Median(steps));

    // open500: the form from its file, as "Открыть форму" opens it.
    QTemporaryDir dir;
    const std::string file = QDir(dir.path()).filePath("form500.vlf").toStdString();
    surface.SaveForm(file);
    std::vector<double> opens;
    for (int i = 0; i < 5; ++i)
        opens.push_back(Ms([&] {
            panel.LoadForm(file);
            QApplication::processEvents();
        }));
    if (surface.DesignedControls().size() != size_t(ControlCount)) {
        std::fprintf(stderr, "bench designer: the form came back with %zu controls\n", surface.DesignedControls().size());
        return 1;
    }
    std::printf("bench designer.open500: %.1f ms\n", Median(opens));
    return 0;
}
