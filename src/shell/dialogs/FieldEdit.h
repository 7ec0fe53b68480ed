#pragma once

#include <QLineEdit>

#include <cstddef>

namespace velmora {

class Ui;

// An edit field of a dialog. It holds at most maxBytes bytes of GBK text while typing (an
// insertion that would pass the limit is cut to fit), turns typed letters into capitals when
// asked to, and refuses characters that have no GBK encoding, saying why through the Ui.
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr std::size_t NoLimit = 0;

    FieldEdit(int id, Ui& ui, std::size_t maxBytes, bool capitals, QWidget* parent = nullptr);

    // Sets the text as the program gives it; no limit or case is applied.
    void SetFieldText(const QString& text);
    std::size_t MaxBytes() const { return maxBytes; }

private:
    void OnEdited(const QString& text);

    Ui& ui;
    std::size_t maxBytes;
    bool capitals;
    QString accepted;
};

// Messages and field checks shared by the dialogs' OK buttons: on failure the message is shown
// through the Ui and the field takes the focus, its text selected.
bool CheckLength(Ui& ui, FieldEdit* edit, std::size_t maxBytes);
bool CheckSigned(Ui& ui, QLineEdit* edit, int& value);
bool CheckSignedRange(Ui& ui, QLineEdit* edit, int min, int max, int& value);
bool CheckUnsignedRange(Ui& ui, QLineEdit* edit, unsigned min, unsigned max, unsigned& value);

// GBK bytes of a field's text and back.
std::string ToGbk(const QString& text);
QString FromGbk(const std::string& gbk);

} // namespace velmora
