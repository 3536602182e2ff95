#include "output/outputcommands.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>

#include "output/formats.h"
#include "output/generatedrows.h"
#include "shell/executelink.h"
#include "shell/wholefile.h"

namespace lullara {

namespace {
const QString kAppTitle = QStringLiteral("Lullara");
constexpr int kHtmlFilter = 3;

QStringList saveFilters()
{
    //: A file type of the Save As dialog: keep the patterns in brackets as they are
    return {OutputCommands::tr("All Files (*.*)"), OutputCommands::tr("Text Document (*.txt)"),
            OutputCommands::tr("Html Document (*.htm;*.html)")};
}

} // namespace

QString OutputCommands::readyText()
{
    return tr("Ready", "status text");
}

OutputCommands::OutputCommands(GeneratedRows *rows, const Services &services, QObject *parent)
    : QObject(parent), m_rows(rows), m_services(services), m_clock([] { return QDateTime::currentDateTime(); }),
      m_boysChosen([] { return true; })
{
}

MsgAnswer OutputCommands::message(const QString &title, const QString &text, MsgButtons buttons, MsgIcon icon)
{
    return m_services.dialogs->message(m_dialogParent, title, text, buttons, icon);
}

void OutputCommands::save(bool selectedOnly)
{
    if (m_rows->count() == 0) {
        message(tr("Error", "title of a message box"), tr("Come on!") + QStringLiteral("\r\n") + tr("There is nothing to save,"), MsgButtons::Ok,
                MsgIcon::Exclamation);
        const MsgAnswer answer = message(
            tr("Suggestion", "title of a message box"),
            tr("Would you like the program to add some Lullara to the generator in order you can save it to a text file?"),
            MsgButtons::YesNo, MsgIcon::Information);
        if (answer == MsgAnswer::Yes)
            emit runOffered(selectedOnly);
        return;
    }

    SaveAsRequest request;
    request.title = tr("Save As...", "title of the file dialog");
    request.filters = saveFilters();
    request.filterIndex = m_recallSaveFilter ? m_recallSaveFilter() : 2;
    request.fileName = m_lastSaveFile;
    request.confirmOverwrite = true;
    request.confirmCreate = true;
    const std::optional<SaveAsResult> chosen = m_services.dialogs->saveAs(m_dialogParent, request);
    if (!chosen || chosen->fileName.isEmpty())
        return; // cancelled: nothing written, nothing stored

    m_lastSaveFile = chosen->fileName;
    if (m_rememberSaveFilter)
        m_rememberSaveFilter(chosen->filterIndex);
    const bool html = chosen->filterIndex == kHtmlFilter;

    // The rows are read now: a run may have added some while the dialog was open.
    ExportContent content;
    content.names = selectedOnly ? m_rows->tickedTexts() : m_rows->texts();
    content.count = selectedOnly ? content.names.size() : m_rows->count();
    content.dateTime = generalDate(m_clock());
    content.imagePath = QDir::toNativeSeparators(
        m_pictureFolder + QDir::separator() + (m_boysChosen() ? QStringLiteral("guy.gif") : QStringLiteral("girl.gif")));

    emit statusChanged(tr("Saving File..."));
    // The old file is replaced only once the new one is complete.
    QSaveFile file(chosen->fileName);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        const QByteArray bytes = html ? htmlExport(content) : plainTextExport(content);
        ok = writeWhole(file, bytes) && file.commit();
    }
    if (!ok) {
        const QString reason = failureReason(file);
        file.cancelWriting();
        emit statusChanged(readyText());
        message(tr("Error", "title of a message box"),
                tr("The file could not be saved:") + QStringLiteral("\r\n") + QDir::toNativeSeparators(chosen->fileName)
                    + QStringLiteral("\r\n\r\n") + reason,
                MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    emit statusChanged(readyText());

    const MsgAnswer view = message(kAppTitle, tr("File saved successfully!") + QStringLiteral("\r\n") + tr("Would you like to view the saved file?"),
                                   MsgButtons::YesNo, MsgIcon::None);
    if (view == MsgAnswer::Yes)
        showSaved(chosen->fileName, html);
}

void OutputCommands::showSaved(const QString &fileName, bool html)
{
    const QString path = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    if (html) {
        executeLink(m_services, m_dialogParent, this, path);
        return;
    }
    QPointer<OutputCommands> self(this);
    m_services.shell->openTextFile(path, [self, path](OpenResult opened) {
        if (!opened.ok && self)
            self->message(tr("Error", "title of a message box"),
                          tr("The saved file could not be shown in a text viewer:") + QStringLiteral("\r\n") + path,
                          MsgButtons::Ok, MsgIcon::Exclamation);
    });
}

void OutputCommands::print()
{
    if (m_rows->count() == 0) {
        message(kAppTitle, tr("There is nothing to be printed!"), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    const QStringList lines = printoutLines(m_rows->texts(), generalDate(m_clock()));
    emit statusChanged(tr("Printing..."), true);
    if (const auto failure = m_services.printer->print(lines)) {
        message(kAppTitle,
                //: First line of the print failure box; %1 is the failure's number
                tr("Error %1:").arg(failure->number) + QStringLiteral("\r\n") + failure->description,
                MsgButtons::Ok, MsgIcon::Exclamation);
    }
}

void OutputCommands::email()
{
    if (m_rows->count() < 1) {
        message(kAppTitle, tr("Send what!!!?"), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    const QString body = mailBody(m_rows->texts());
    const QString link = mailtoLink(body);
    const qsizetype length = link.toUtf8().size();
    if (length > kLongestLink) {
        // Cut short, the link would lose names or be refused as a whole.
        message(kAppTitle,
                tr("The list is too long to hand to the mail program (%1 characters; the system "
                   "passes at most %2).")
                        .arg(length)
                        .arg(kLongestLink)
                    + QStringLiteral("\r\n") + tr("Use Copy All, then paste the names into a new mail."),
                MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    emit mailBodyWritten(body);
    executeLink(m_services, m_dialogParent, this, link);
}

void OutputCommands::copy(const QStringList &names)
{
    m_services.clipboard->clear();
    if (!names.isEmpty())
        m_services.clipboard->setText(clipboardText(names));
}

void OutputCommands::copyTicked() { copy(m_rows->tickedTexts()); }
void OutputCommands::copyAll() { copy(m_rows->texts()); }

void OutputCommands::tickAll()
{
    m_rows->setAllTicked(true);
    emit statusChanged(readyText());
}

void OutputCommands::untickAll()
{
    m_rows->setAllTicked(false);
    emit statusChanged(readyText());
}

} // namespace lullara
