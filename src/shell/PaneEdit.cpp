#include "shell/PaneEdit.h"

#include <QFontDatabase>
#include <QScrollBar>

namespace velmora {

namespace {
QString ToDisplay(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.remove(QLatin1Char('\r'));
    return s;
}
} // namespace

QFont PaneFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(13);
    return font;
}

PaneEdit::PaneEdit(int id, bool horizontalScroll, QWidget* parent)
    : QPlainTextEdit(parent), id(id) {
    setObjectName(QStringLiteral("edit%1").arg(id));
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(horizontalScroll ? NoWrap : WidgetWidth);
    setHorizontalScrollBarPolicy(horizontalScroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, Qt::white);
        pal.setColor(group, QPalette::Text, Qt::black);
    }
    setPalette(pal);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void PaneEdit::Mirror(const OutputPanes::Pane& pane) {
    if (pane.text == shown) {
        return;
    }
    if (!shown.empty() && pane.text.size() > shown.size() &&
        pane.text.compare(0, shown.size(), shown) == 0) {
        QTextCursor end = textCursor();
        end.movePosition(QTextCursor::End);
        end.insertText(ToDisplay(std::string_view(pane.text).substr(shown.size())));
        setTextCursor(end);
    } else {
        setPlainText(ToDisplay(pane.text));
        moveCursor(QTextCursor::End);
    }
    ensureCursorVisible();
    shown = pane.text;
}

} // namespace velmora
