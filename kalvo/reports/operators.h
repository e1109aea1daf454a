#pragma once
// The operators of the tank tests, kept in section "Operators" of the
// preferences file: the names in list order and the operator chosen last.
// Both operations work on a tank test form's ComboBoxOperator.

#include <QString>

class TForm4;

// Stores the form's operator list and its selected operator (empty text when
// none), writing the section anew as a whole. Raises KalvoError when the
// file cannot be written.
void saveOperators(TForm4 &form, const QString &preferencesPath);

// Appends the stored names to the form's operator list, selects the stored
// last operator (letter case ignored; none when it is not listed) and gives
// the form a supplier record read from the same file. Does nothing when the
// file does not exist.
void loadOperatorsAndOwner(TForm4 &form, const QString &preferencesPath);
