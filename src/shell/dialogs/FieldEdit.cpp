#include "shell/dialogs/FieldEdit.h"

#include "platform/DialogFields.h"
#include "platform/Gbk.h"
#include "platform/Ui.h"

namespace velmora {

namespace {

std::size_t Bytes(const QString& text) { return GbkLength(text.toStdString()); }

void Refuse(Ui& ui, QLineEdit* edit, const std::string& message) {
    ui.MessageBox(message);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

} // namespace

FieldEdit::FieldEdit(int id, Ui& ui, std::size_t maxBytes, bool capitals, QWidget* parent)
    : QLineEdit(parent), ui(ui), maxBytes(maxBytes), capitals(capitals) {
    setObjectName(QStringLiteral("edit%1").arg(id));
    connect(this, &QLineEdit::textEdited, this, &FieldEdit::OnEdited);
}

void FieldEdit::SetFieldText(const QString& text) {
    accepted = text;
    setText(text);
}

void FieldEdit::OnEdited(const QString& edited) {
    QString text = capitals ? edited.toUpper() : edited;
    int cursor = cursorPosition() + static_cast<int>(text.size() - edited.size());

    // The part typed or pasted: what lies between the unchanged start and end.
    qsizetype prefix = 0;
    while (prefix < text.size() && prefix < accepted.size() && text[prefix] == accepted[prefix]) {
        ++prefix;
    }
    qsizetype suffix = 0;
    while (suffix < text.size() - prefix && suffix < accepted.size() - prefix &&
           text[text.size() - 1 - suffix] == accepted[accepted.size() - 1 - suffix]) {
        ++suffix;
    }
    QString inserted = text.mid(prefix, text.size() - prefix - suffix);

    if (!EncodesInGbk(inserted.toStdString())) {
        const int oldCursor = static_cast<int>(prefix);
        setText(accepted);
        setCursorPosition(oldCursor);
        ui.MessageBox(NotGbkMessage());
        return;
    }
    if (maxBytes != NoLimit && Bytes(text) > maxBytes) {
        const std::size_t kept = Bytes(text.left(prefix) + text.right(suffix));
        const std::size_t room = kept < maxBytes ? maxBytes - kept : 0;
        QString fitted;
        for (qsizetype i = 0; i < inserted.size();) {
            const qsizetype width = inserted[i].isHighSurrogate() ? 2 : 1;
            const QString next = fitted + inserted.mid(i, width);
            if (Bytes(next) > room) {
                break;
            }
            fitted = next;
            i += width;
        }
        text = text.left(prefix) + fitted + text.right(suffix);
        cursor = static_cast<int>(prefix + fitted.size());
    }
    if (text != edited) {
        setText(text);
        setCursorPosition(cursor);
    }
    accepted = text;
}

bool CheckLength(Ui& ui, FieldEdit* edit, std::size_t maxBytes) {
    if (Bytes(edit->text()) <= maxBytes) {
        return true;
    }
    Refuse(ui, edit, TooLongMessage(maxBytes));
    return false;
}

bool CheckSigned(Ui& ui, QLineEdit* edit, int& value) {
    const auto parsed = ParseSignedField(edit->text().toStdString());
    if (!parsed) {
        Refuse(ui, edit, NotIntegerMessage());
        return false;
    }
    value = *parsed;
    return true;
}

bool CheckSignedRange(Ui& ui, QLineEdit* edit, int min, int max, int& value) {
    int parsed = 0;
    if (!CheckSigned(ui, edit, parsed)) {
        return false;
    }
    if (parsed < min || parsed > max) {
        Refuse(ui, edit, RangeMessage(min, max));
        return false;
    }
    value = parsed;
    return true;
}

bool CheckUnsignedRange(Ui& ui, QLineEdit* edit, unsigned min, unsigned max, unsigned& value) {
    const auto parsed = ParseUnsignedField(edit->text().toStdString());
    if (!parsed) {
        Refuse(ui, edit, NotPositiveIntegerMessage());
        return false;
    }
    if (*parsed < min || *parsed > max) {
        Refuse(ui, edit, RangeMessage(min, max));
        return false;
    }
    value = *parsed;
    return true;
}

std::string ToGbk(const QString& text) { return Utf8ToGbk(text.toStdString()); }

QString FromGbk(const std::string& gbk) { return QString::fromStdString(GbkToUtf8(gbk)); }

} // namespace velmora
