// Time from a pointer move delivered to the main window until the luminance tab shows its result,
// offscreen. The move goes to the tab sheet's widget as Qt delivers it (left button held over the
// picture); the result is on screen once the pending repaint has run. Baseline: the same move
// handed to the model directly, with no Qt event and no painting.
//
// Handlers: 0 = as the program binds them; 1 = a stand-in of the profile drawing (scan line on the
// overlay, a 320-step graph on the horizontal graph, the marker overlay cleared), so the figure
// also holds while the analysis handlers do little.
#include <cstdlib>
#include <memory>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "app/Form1.h"
#include "platform/controls/Application.h"
#include "platform/controls/FakeServices.h"
#include "platform/controls/HostInput.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/QtApplicationHost.h"

namespace {

struct Session {
    Session()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qt = std::make_unique<QApplication>(argc, argv);
        host = std::make_unique<TQtApplicationHost>();
        scope = std::make_unique<TPlatformServicesScope>(
            TPlatformServices{&fakes.Dialogs, &fakes.MessageBoxes, &fakes.Clipboard, &fakes.Shell, host.get()});
        application = std::make_unique<TApplicationScope>();
        (*application)->CreateForm(form);
        form->Show();
        for (int i = 0; i < 10; ++i)
            QApplication::processEvents();
        sheet = TQtFormWindow::Find(form)->WidgetOf(form->TabSheet1);
        boundMove = form->Image5->OnMouseMove;
    }

    void BindHandlers(int which)
    {
        if (which == 0) {
            form->Image5->OnMouseMove = boundMove;
            return;
        }
        form->Image5->OnMouseMove = [this](TObject*, TShiftState shift, int, int y) {
            if (!shift.Contains(TShiftStateFlag::ssLeft))
                return;
            form->Image3->Picture()->SetGraphic(nullptr);
            TCanvas* scan = form->Image3->Canvas();
            scan->Pen.Color = clYellow;
            scan->MoveTo(0, y);
            scan->LineTo(320, y);
            TCanvas* graph = form->Image2->Canvas();
            graph->Brush.Color = clWhite;
            graph->FillRect(Rect(0, 0, 320, 210));
            graph->Pen.Color = clBlack;
            graph->MoveTo(0, 128);
            for (int x = 1; x <= 320; ++x)
                graph->LineTo(x, 100 + (x * 7 + y) % 90);
            form->Image6->Picture()->SetGraphic(nullptr);
        };
    }

    // Pointer positions over the picture, in the sheet's coordinates, cycling.
    QPoint NextPoint()
    {
        step = (step + 1) % 200;
        return QPoint(form->Image5->Left() + 60 + step, form->Image5->Top() + 20 + step);
    }

    int argc = 1;
    char name[10] = "bench_qt";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> qt;
    TFakeServices fakes;
    std::unique_ptr<TQtApplicationHost> host;
    std::unique_ptr<TPlatformServicesScope> scope;
    std::unique_ptr<TApplicationScope> application;
    TForm1* form = nullptr;
    QWidget* sheet = nullptr;
    TMouseMoveEvent boundMove;
    int step = 0;
};

Session& TheSession()
{
    static Session* session = new Session;  // lives to the end: Qt objects at exit are not ours to order
    return *session;
}

void SendMove(Session& s, QPoint point)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(point), s.sheet->mapToGlobal(QPointF(point)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s.sheet, &move);
}

void BM_ModelOnly_Move(benchmark::State& state)
{
    Session& s = TheSession();
    s.BindHandlers(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const QPoint p = s.NextPoint();
        HostMouseMove(*s.form->TabSheet1, {TShiftStateFlag::ssLeft}, p.x(), p.y());
    }
    QApplication::processEvents();
}

// The move as Qt delivers it, then the pending (partial) repaint.
void BM_QtMove_Repaint(benchmark::State& state)
{
    Session& s = TheSession();
    s.BindHandlers(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        SendMove(s, s.NextPoint());
        QApplication::processEvents();
    }
}

// The move, then the whole luminance tab painted at once (the worst case).
void BM_QtMove_WholeTabRepaint(benchmark::State& state)
{
    Session& s = TheSession();
    s.BindHandlers(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        SendMove(s, s.NextPoint());
        s.sheet->repaint();
    }
}

BENCHMARK(BM_ModelOnly_Move)->ArgName("handlers")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtMove_Repaint)->ArgName("handlers")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtMove_WholeTabRepaint)->ArgName("handlers")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
