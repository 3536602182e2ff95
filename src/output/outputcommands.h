#pragma once
// The commands on the generated list: saving it as a text or HTML file,
// printing it, handing it to the mail program, copying it to the clipboard
// and ticking its rows. They work on the rows and the desktop's seams; the
// window only forwards its buttons to them.

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>

#include "shell/services.h"

class QWidget;

namespace lullara {

class GeneratedRows;

class OutputCommands : public QObject {
    Q_OBJECT
public:
    // The status text of a window at rest.
    static QString readyText();
    OutputCommands(GeneratedRows *rows, const Services &services, QObject *parent = nullptr);

    // The window the commands' boxes and dialogs belong to.
    void setDialogParent(QWidget *parent) { m_dialogParent = parent; }
    // The date and time written into files and printouts.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    // The folder of the pictures an HTML export refers to, and whether the
    // boys' picture is the one meant (asked at each save).
    void setPictureChoice(const QString &folder, std::function<bool()> boysChosen)
    {
        m_pictureFolder = folder;
        m_boysChosen = std::move(boysChosen);
    }

    // Where the file type chosen in the Save As dialog is remembered: read
    // before each dialog, given each type chosen. Without it the dialog
    // offers the text entry and nothing is remembered.
    void setSaveFilterMemory(std::function<int()> recall, std::function<void(int)> remember)
    {
        m_recallSaveFilter = std::move(recall);
        m_rememberSaveFilter = std::move(remember);
    }

    void saveAll() { save(false); }
    void saveSelected() { save(true); }
    void print();
    void email();
    void copyTicked();
    void copyAll();
    void tickAll();
    void untickAll();

    // The file name the Save As dialog opens with: the last one chosen.
    QString lastSaveFileName() const { return m_lastSaveFile; }

signals:
    // `paintNow`: show it before the command goes on (a printout may take a while).
    void statusChanged(const QString &status, bool paintNow = false);
    // The user accepted the offer to fill an empty list before saving.
    void runOffered(bool selectedOnly);
    // The body of the last e-mail handed over.
    void mailBodyWritten(const QString &body);

private:
    void save(bool selectedOnly);
    void showSaved(const QString &fileName, bool html);
    void copy(const QStringList &names);
    MsgAnswer message(const QString &title, const QString &text, MsgButtons buttons, MsgIcon icon);

    GeneratedRows *m_rows;
    Services m_services;
    QWidget *m_dialogParent = nullptr;
    std::function<QDateTime()> m_clock;
    QString m_pictureFolder;
    std::function<bool()> m_boysChosen;
    std::function<int()> m_recallSaveFilter;
    std::function<void(int)> m_rememberSaveFilter;
    QString m_lastSaveFile;
};

} // namespace lullara
