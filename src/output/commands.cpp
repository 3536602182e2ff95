// The output commands of the generated list: saving to a text or HTML file,
// printing, the e-mail link, the clipboard, ticking and clearing.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QSettings>

#include "app/settingsvalues.h"
#include "names/namefile.h"
#include "output/formats.h"
#include "shell/executelink.h"
#include "ui/generatedlist.h"
#include "ui/mainwindow.h"
#include "ui/namebox.h"
#include "ui/statusbar.h"

namespace lullara {

namespace {
const QString kAppTitle = QStringLiteral("Lullara");
constexpr int kHtmlFilter = 3;

QStringList saveFilters()
{
    return {QStringLiteral("All Files (*.*)"), QStringLiteral("Text Document (*.txt)"),
            QStringLiteral("Html Document (*.htm;*.html)")};
}

// Writes all of `bytes` and flushes them. A write or flush that gets only
// part of the way out (the disk filled up meanwhile) carries no error of its
// own, so carry on until everything is out or the device fails and says why.
// The flush must come before QSaveFile::commit(), which renames the file into
// place even when its own final flush fails; a small file is written by that
// flush alone.
bool writeWhole(QSaveFile &file, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            return false;
        written += n;
    }
    qint64 pending = file.bytesToWrite();
    while (!file.flush()) {
        const qint64 left = file.bytesToWrite();
        if (left == 0 || left >= pending)
            return false;
        pending = left;
    }
    return true;
}
} // namespace

QString frmRandom::nowText() const { return generalDate(m_clock()); }

void frmRandom::cmdSaveAll_Click() { saveList(false); }
void frmRandom::cmdSaveSelected_Click() { saveList(true); }

void frmRandom::saveList(bool selectedOnly)
{
    if (lstGenerator->rowCount() == 0) {
        m_services.dialogs->message(this, QStringLiteral("Error"),
                                    QStringLiteral("Come on!\r\nThere is nothing to save,"),
                                    MsgButtons::Ok, MsgIcon::Exclamation);
        const MsgAnswer answer = m_services.dialogs->message(
            this, QStringLiteral("Suggestion"),
            QStringLiteral("Would you like the program to add some Lullara to the generator in order you can save it to a text file?"),
            MsgButtons::YesNo, MsgIcon::Information);
        if (answer != MsgAnswer::Yes)
            return;
        if (selectedOnly || selectorNumber(cmbNamesNum->currentText()) >= lstBoys->count())
            SetStatusReady();
        cmdStart_Click();
        cmdSaveAll->setFocus();
        return;
    }

    int filterIndex = 2;
    {
        auto settings = openSettings();
        filterIndex = parseSaveMethod(settings->value(keys::Group + QStringLiteral("/") + keys::SaveMethod).toString());
    }
    if (filterIndex < 1) // a stored value this program cannot have written
        filterIndex = 2;

    SaveAsRequest request;
    request.title = QStringLiteral("Save As...");
    request.filters = saveFilters();
    request.filterIndex = filterIndex;
    request.fileName = m_lastSaveFile;
    request.confirmOverwrite = true;
    request.confirmCreate = true;
    const std::optional<SaveAsResult> chosen = m_services.dialogs->saveAs(this, request);
    if (!chosen || chosen->fileName.isEmpty())
        return; // cancelled: nothing written, nothing stored

    m_lastSaveFile = chosen->fileName;
    {
        auto settings = openSettings();
        settings->setValue(keys::Group + QStringLiteral("/") + keys::SaveMethod, QString::number(chosen->filterIndex));
    }
    const bool html = chosen->filterIndex == kHtmlFilter;

    // The rows are read now: a run may have added some while the dialog was open.
    ExportContent content;
    content.names = selectedOnly ? lstGenerator->tickedTexts() : lstGenerator->allTexts();
    content.count = selectedOnly ? content.names.size() : lstGenerator->rowCount();
    content.dateTime = nowText();
    content.imagePath = QDir::toNativeSeparators(
        nameFilePath(m_programDir, optBoys->isChecked() ? QStringLiteral("guy.gif") : QStringLiteral("girl.gif")));

    setStatusText(QStringLiteral("Saving File..."));
    // The old file is replaced only once the new one is complete.
    QSaveFile file(chosen->fileName);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        const QByteArray bytes = html ? htmlExport(content) : plainTextExport(content);
        ok = writeWhole(file, bytes) && file.commit();
    }
    if (!ok) {
        const QString reason = file.errorString();
        file.cancelWriting();
        SetStatusReady();
        m_services.dialogs->message(this, QStringLiteral("Error"),
                                    QStringLiteral("The file could not be saved:\r\n")
                                        + QDir::toNativeSeparators(chosen->fileName) + QStringLiteral("\r\n\r\n")
                                        + reason,
                                    MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    SetStatusReady();

    const MsgAnswer view = m_services.dialogs->message(
        this, kAppTitle, QStringLiteral("File saved successfully!\r\nWould you like to view the saved file?"),
        MsgButtons::YesNo, MsgIcon::None);
    if (view != MsgAnswer::Yes)
        return;
    const QString path = QFileInfo(chosen->fileName).absoluteFilePath();
    if (html) {
        ExecuteLink(m_services, this, QDir::toNativeSeparators(path));
    } else {
        const OpenResult opened = m_services.shell->openTextFile(QDir::toNativeSeparators(path));
        if (!opened.ok)
            m_services.dialogs->message(this, QStringLiteral("Error"),
                                        QStringLiteral("The saved file could not be shown in a text viewer:\r\n")
                                            + QDir::toNativeSeparators(path),
                                        MsgButtons::Ok, MsgIcon::Exclamation);
    }
}

void frmRandom::cmdPrint_Click()
{
    if (lstGenerator->rowCount() == 0) {
        m_services.dialogs->message(this, kAppTitle, QStringLiteral("There is nothing to be printed!"),
                                    MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    const QStringList lines = printoutLines(lstGenerator->allTexts(), nowText());
    setStatusText(QStringLiteral("Printing..."));
    stuMain->repaint();
    if (const auto failure = m_services.printer->print(lines)) {
        m_services.dialogs->message(this, kAppTitle,
                                    QStringLiteral("Error ") + QString::number(failure->number)
                                        + QStringLiteral(":\r\n") + failure->description,
                                    MsgButtons::Ok, MsgIcon::Exclamation);
    }
}

void frmRandom::cmdEmail_Click()
{
    if (lstGenerator->rowCount() < 1) {
        m_services.dialogs->message(this, kAppTitle, QStringLiteral("Send what!!!?"), MsgButtons::Ok,
                                    MsgIcon::Exclamation);
        return;
    }
    txtMailList->clear();
    const QString body = mailBody(lstGenerator->allTexts());
    txtMailList->setPlainText(body);
    ExecuteLink(m_services, this, mailtoLink(body));
}

void frmRandom::cmdCopy_Click()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QStringList names = lstGenerator->tickedTexts();
    if (!names.isEmpty())
        clipboard->setText(clipboardText(names));
}

void frmRandom::cmdCopyAll_Click()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QStringList names = lstGenerator->allTexts();
    if (!names.isEmpty())
        clipboard->setText(clipboardText(names));
}

void frmRandom::cmdSelectAll_Click()
{
    for (int row = 1; row <= lstGenerator->rowCount(); ++row)
        lstGenerator->setTicked(row, true);
    SetStatusReady();
}

void frmRandom::cmdDeselectAll_Click()
{
    for (int row = 1; row <= lstGenerator->rowCount(); ++row)
        lstGenerator->setTicked(row, false);
    SetStatusReady();
}

void frmRandom::cmdGeneratorClear_Click()
{
    lstGenerator->removeAllRows();
    showDrawnNumber(QStringLiteral("0000"));
    lblIDNumber->setText(QStringLiteral("0"));
    SetStatusReady();
}

} // namespace lullara
