#include "shell/QtUi.h"

#include "platform/DialogFields.h"
#include "shell/dialogs/FuncDlg.h"
#include "shell/dialogs/GotoLineDlg.h"
#include "shell/dialogs/InsertLineDlg.h"
#include "shell/dialogs/ItemSetDlg.h"
#include "shell/dialogs/LadInfoDlg.h"
#include "shell/dialogs/NoteDlg.h"
#include "shell/dialogs/SelMulRowDlg.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace velmora {

namespace {

QWidget* Owner() { return QApplication::activeWindow(); }

template <class Dialog, class Data> bool Run(Ui& ui, Data& data) {
    Dialog dialog(ui, Owner());
    dialog.Load(data);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    dialog.Store(data);
    return true;
}

} // namespace

QStringList NameFilters(const std::string& filter) {
    QStringList result;
    for (const FileFilter& choice : ParseFilterString(filter)) {
        QStringList patterns;
        for (const std::string& pattern : choice.patterns) {
            // "*.*" means every file, with or without an extension.
            patterns.append(pattern == "*.*" ? QStringLiteral("*")
                                             : QString::fromStdString(pattern));
        }
        result.append(QString::fromStdString(choice.name) + QStringLiteral(" (") +
                      patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return result;
}

void QtUi::MessageBox(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Velmora"), QString::fromStdString(text),
                    QMessageBox::NoButton, Owner());
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
}

Ui::Answer QtUi::AskYesNoCancel(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Velmora"), QString::fromStdString(text),
                    QMessageBox::NoButton, Owner());
    QPushButton* yes = box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) {
        return Answer::Yes;
    }
    return box.clickedButton() == no ? Answer::No : Answer::Cancel;
}

std::optional<std::string> QtUi::FileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(Owner(), QString::fromStdString(request.title));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = NameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
    }
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (!request.initialFileName.empty()) {
        dialog.selectFile(QFile::decodeName(request.initialFileName.c_str()));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

bool QtUi::ItemSetDialog(ItemSetData& data) { return Run<ItemSetDlg>(*this, data); }
bool QtUi::FuncDialog(FuncData& data) { return Run<FuncDlg>(*this, data); }
bool QtUi::NoteDialog(NoteData& data) { return Run<NoteDlg>(*this, data); }
bool QtUi::InsertLineDialog(InsertLineData& data) { return Run<InsertLineDlg>(*this, data); }
bool QtUi::LadInfoDialog(LadInfoData& data) { return Run<LadInfoDlg>(*this, data); }
bool QtUi::SelMulRowDialog(SelMulRowData& data) { return Run<SelMulRowDlg>(*this, data); }
bool QtUi::GotoLineDialog(GotoLineData& data) { return Run<GotoLineDlg>(*this, data); }

} // namespace velmora
