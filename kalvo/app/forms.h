#pragma once
// The windows that live for the whole run, created at start-up in this order
// after the survey store MD: Form1 (the main window), Form2 (supplier's data),
// Form3 (graphs), Form5 (operators list), Form6 (report output settings).

class TForm1;
class TForm2;
class TForm3;
class TForm5;
class TForm6;
class TMD;

#include <memory>

extern TForm1 *Form1;
extern TForm2 *Form2;
extern TForm3 *Form3;
extern TForm5 *Form5;
extern TForm6 *Form6;

// Creates MD and the windows and sets the globals; destroys them in reverse
// order and clears the globals. English is active until the main window is
// shown and applies the stored language.
class KalvoForms {
public:
    KalvoForms();
    ~KalvoForms();
    KalvoForms(const KalvoForms &) = delete;
    KalvoForms &operator=(const KalvoForms &) = delete;

private:
    std::unique_ptr<TMD> m_store;
    std::unique_ptr<TForm1> m_mainWindow; // owns the other windows
};
