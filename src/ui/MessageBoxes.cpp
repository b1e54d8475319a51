#include "MessageBoxes.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

#include "core/MessageBox.h"
#include "core/Seams.h"

namespace {

// "数据文件(*.dat)|*.dat" -> "数据文件(*.dat)": the part before the bar names the files.
QString QtFilter(const QString& filter) {
    return filter.section(QLatin1Char('|'), 0, 0);
}

}  // namespace

void InstallWidgetSeams(QWidget* owner) {
    QPointer<QWidget> parent(owner);
    SetMessageBoxHandler([parent](const QString& caption, const QString& text, int kind) {
        QWidget* window =
            QApplication::activeModalWidget() ? QApplication::activeModalWidget() : parent.data();
        switch (kind) {
            case kYesNo:
                return QMessageBox::question(window, caption, text,
                                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
                           ? int(kAnswerYes)
                           : int(kAnswerNo);
            case kRetryCancel:
                return QMessageBox::question(window, caption, text,
                                             QMessageBox::Retry | QMessageBox::Cancel) ==
                               QMessageBox::Retry
                           ? int(kAnswerRetry)
                           : int(kAnswerCancel);
            default:
                QMessageBox::information(window, caption, text);
                return int(kAnswerOk);
        }
    });
    SetFileChooser({[parent](const QString& filter) {
                        return QFileDialog::getOpenFileName(parent.data(), QString(), QString(),
                                                            QtFilter(filter));
                    },
                    [parent](const QString& filter, const QString& suffix) {
                        QFileDialog dialog(parent.data(), QString(), QString(), QtFilter(filter));
                        dialog.setAcceptMode(QFileDialog::AcceptSave);
                        dialog.setDefaultSuffix(suffix);
                        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0)
                                                                  : QString();
                    }});
}
