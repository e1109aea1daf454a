#pragma once
// The main window: the survey text on the left, the choice of reference and
// of survey (date and time) on the right with the supplier's contact text,
// the buttons in a bar along the bottom, and the Language menu.

#include <QMainWindow>
#include <vector>

class QAction;
class QActionGroup;
class QComboBox;
class QMenu;
class QPushButton;
class QTextEdit;
class Survey;
class TankPicture;
class WindowTranslator;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    // Start-up, closing and the buttons of the window itself (menu.cpp).
    void FormShow();
    void FormClose();
    void Button2Click(); // Supplier's Data
    void Button4Click(); // Close
    void Button5Click(); // Get Data
    void Button6Click(); // About
    // Shows the supplier's contact text of the supplier's data window's record.
    void showSupplierContact();

    // Survey browsing (menubrowsing.cpp).
    void Button1Click(); // Open file
    void ComboBoxSelect(int index);
    void ComboBoxRefSelect(int index);
    void Button3Click(); // Graphs
    // The survey of a ComboBox entry, or none.
    Survey *surveyOfEntry(int index) const;

    // Languages (menulanguage.cpp).
    void LanguageItemClick(QAction *item);
    void applyStoredLanguage(const QString &preferencesPath);
    QAction *languageItem(int language) const;

    WindowTranslator &texts() const { return *m_texts; }

    QMenu *L1;
    QAction *English1, *French1, *German1, *Italian1, *Spanish1, *Dutch1, *Danish1;
    QPushButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button6;
    QTextEdit *RichEdit1, *RichEdit2, *RichEdit3;
    QComboBox *ComboBoxRef, *ComboBox;
    TankPicture *Image1;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    QWidget *buildSelectionColumn();
    QWidget *buildBottomBar();
    void connectHandlers();

    // What the survey text pane shows, so that a change of language can
    // translate a prompt; -1 while it shows a survey's text or the initial
    // text (which the translation table handles itself).
    void showPrompt(int ids);
    void showLoading();
    void fillLists();
    void retranslatePrompt();

    WindowTranslator *m_texts = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    int m_promptIds = -1;
    bool m_shownOnce = false;
    // The survey of each ComboBox entry; the ComboBoxRef entries' first
    // surveys are not kept, nothing uses them.
    std::vector<Survey *> m_entrySurveys;
};
