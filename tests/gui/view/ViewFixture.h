#pragma once

#include "document/CVelmoraDoc.h"
#include "gui/GuiTest.h"
#include "platform/OutputPanes.h"
#include "shell/view/CVelmoraView.h"
#include "support/FakeUi.h"
#include "support/LadderPicture.h"

#include <QImage>
#include <QPainter>

#include <initializer_list>
#include <memory>
#include <string_view>

namespace velmora::testing {

// A document with a ladder from a picture and a view on it at 100 dpi, where one logical unit
// is one pixel: logical (x, y) is pixel (x, -y) while the view is not scrolled.
class ViewTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        document = std::make_unique<CVelmoraDoc>(panes, ui);
    }

    void Show(std::initializer_list<std::string_view> rows) {
        document->program = *Ladder(rows);
        MakeView();
    }

    void MakeView() {
        view = std::make_unique<CVelmoraView>(*document, panes);
        view->SetResolution(100);
        view->resize(1300, 700);
    }

    // The view's window painted into an image wide enough for the comments.
    QImage Render() {
        QImage image(1240, 700, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        view->Paint(painter, image.rect());
        return image;
    }

    static bool Black(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }
    // Whether any pixel of the rectangle is dark: text somewhere in it.
    static bool Ink(const QImage& image, const QRect& area) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (Black(image, x, y)) {
                    return true;
                }
            }
        }
        return false;
    }

    OutputPanes panes;
    FakeUi ui;
    std::unique_ptr<CVelmoraDoc> document;
    std::unique_ptr<CVelmoraView> view;
};

} // namespace velmora::testing
