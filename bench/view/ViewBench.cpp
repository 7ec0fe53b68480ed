// Repainting and scrolling the ladder view on the largest ladder, rendered offscreen.
#include "document/CVelmoraDoc.h"
#include "model/ElementCatalogue.h"
#include "platform/Gbk.h"
#include "platform/OutputPanes.h"
#include "platform/Ui.h"
#include "shell/view/CVelmoraView.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using namespace velmora;

// 2600 rows, every one drawn with text: contact rows with a parallel branch, a timer box every
// twenty rows, a data table every hundred, a comment on every row.
void FillLargestLadder(LadderProgram& program) {
    SilentUi ui;
    program.InsertRows(0, LadderProgram::MaxRows - 1, ui);
    program.rowCount = LadderProgram::MaxRows;
    const std::string comment = Utf8ToGbk("主轴正转 自保持");
    for (int r = 0; r < program.rowCount; ++r) {
        LadderRow& row = program.Row(r);
        char address[16];
        std::snprintf(address, sizeof address, "X%03d.%d", (r / 8) % 64, r % 8);
        if (r % 100 == 50) {
            for (int t = 0; t < 3 && r + t < program.rowCount; ++t) {
                for (int c = 0; c < ColumnsPerRow; ++c) {
                    LadderCell& cell = program.Row(r + t)[c];
                    cell.code = CellCode(Kind::CODT, t, c);
                    cell.tableRows = 3;
                    cell.SetOperand("00123");
                }
            }
            r += 2;
            program.SetComment(r, comment);
            continue;
        }
        row[0].code = Element::OpenContact;
        row[0].SetOperand(address);
        row[0].verticalLine = r % 2 == 0 ? 1 : 0;
        if (r % 20 == 0) {
            row[1].code = CellCode(Kind::TMR, 0, 0);
            row[1].SetOperand("TMR");
            row[2].code = CellCode(Kind::TMR, 0, 1);
            row[2].SetOperand("5");
        } else {
            row[1].code = Element::ClosedContact;
            row[1].SetOperand("R010.1");
            row[2].code = Element::OpenContact;
            row[2].SetOperand("Y001.2");
        }
        for (int c = 3; c < CoilColumn; ++c) {
            row[c].code = Element::Line;
        }
        row[CoilColumn].code = r % 3 == 0 ? Element::InvertedCoil : Element::Coil;
        row[CoilColumn].SetOperand("R100.0");
        program.SetComment(r, comment);
    }
}

struct Fixture {
    Fixture() : document(panes, ui), view(document, panes) {
        FillLargestLadder(document.program);
        document.selection.anchor = document.selection.cursor = {3, 1300};
        document.program.Row(1300)[3].selected = 1;
        view.resize(1280, 960);
        view.show();
        view.UpdateScrollSizes();
        image = QImage(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    }

    void Repaint() {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        view.Paint(painter, image.rect());
    }

    OutputPanes panes;
    SilentUi ui;
    CVelmoraDoc document;
    CVelmoraView view;
    QImage image;
};

Fixture& TheFixture() {
    static Fixture fixture;
    return fixture;
}

void BM_RepaintWindowInTheMiddle(benchmark::State& state) {
    Fixture& f = TheFixture();
    f.view.ScrollToPosition({0, Grid::RowTop(1300)});
    for (auto _ : state) {
        f.Repaint();
        benchmark::DoNotOptimize(f.image.constBits());
    }
    state.counters["dpi"] = f.view.ScaleY() * 100;
    state.counters["width"] = f.image.width();
    state.counters["height"] = f.image.height();
}
BENCHMARK(BM_RepaintWindowInTheMiddle)->Unit(benchmark::kMillisecond);

// Page Down from the first row to the last, each page repainted whole.
void BM_ScrollTopToBottomPageByPage(benchmark::State& state) {
    Fixture& f = TheFixture();
    QScrollBar* bar = f.view.verticalScrollBar();
    int pages = 0;
    for (auto _ : state) {
        pages = 0;
        for (int value = 0;; value += bar->pageStep()) {
            bar->setValue(value);
            f.Repaint();
            ++pages;
            if (bar->value() >= bar->maximum()) {
                break;
            }
        }
        benchmark::DoNotOptimize(f.image.constBits());
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_ScrollTopToBottomPageByPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
