#pragma once
// The downloader dialog: output file, progress bar, COM port setup, Get data,
// Close, and the Language menu (English or French).

#include "survey/ui/surveytexts.h"

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>

class QGroupBox;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;

class CSurveyDlg : public QDialog {
    Q_OBJECT
public:
    // `programFolder` becomes the current folder (SONVAR.bin, SONVAR.bak, the
    // preferences one level up); `startPath` is the path the program was
    // started with, whose folder Browse opens first.
    CSurveyDlg(const QString &programFolder, const QString &startPath, QWidget *parent = nullptr);
    ~CSurveyDlg() override;

    int portIndex() const { return m_portIndex; }
    const QString &languageCode() const { return m_languageCode; }
    bool isBusy() const { return m_busy; }
    QString outputPath() const;

    // How Close ends the program; std::exit by default, so that the exit
    // handler of the serial layer releases an open port. Tests replace it.
    void setProgramExit(std::function<void(int code)> programExit);

    // The commands of the window, as its buttons and menus run them.
    void OnBrowse();
    void OnGetData();
    void OnPortSetup();
    void OnClose();
    void OnAbout();
    void switchToFrench();
    void switchToEnglish();

    QPushButton *browseButton() const { return m_browse; }
    QPushButton *portSetupButton() const { return m_portSetup; }
    QPushButton *getDataButton() const { return m_getData; }
    QPushButton *closeButton() const { return m_close; }
    QGroupBox *outputGroup() const { return m_outputGroup; }
    QLineEdit *outputEdit() const { return m_output; }
    QProgressBar *progressBar() const { return m_progress; }
    QMenuBar *menuBar() const { return m_menuBar; }

private:
    void buildMenus();
    void applyLanguage(const QString &code);
    void showMessage(const QString &text, bool error = true);
    bool emptyOutputFile(const QString &path);
    bool runDownload(const QString &documentPath);
    void setProgress(int position);

    QString m_programFolder;
    QString m_browseFolder;
    int m_portIndex = 0;
    QString m_languageCode; // "FR", "EN", or empty at start (English)
    bool m_busy = false;
    int64_t m_announcedLength = 0;
    int64_t m_announcedCrc = 0;
    std::function<void(int)> m_programExit;

    QMenuBar *m_menuBar;
    QMenu *m_languageMenu = nullptr;
    QGroupBox *m_outputGroup;
    QLineEdit *m_output;
    QPushButton *m_browse;
    QProgressBar *m_progress;
    QPushButton *m_portSetup;
    QPushButton *m_getData;
    QPushButton *m_close;
};
