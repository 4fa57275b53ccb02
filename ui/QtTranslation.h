#pragma once

// Qt's own dialogs (files, printing, message buttons, the text fields' menu)
// speak Albanian: the translation of their texts kept in
// translations/qtbase_sq.ts, built into the program.
namespace QtTranslation {

// Installs it in the running application; false when it could not be read.
bool install();

} // namespace QtTranslation
