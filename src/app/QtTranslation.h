#pragma once

#include <QString>

class QCoreApplication;

namespace zantrel {

// The toolkit's own texts (the standard buttons of a message box, its dialogs) in the
// interface language, such as "pl": loaded from the toolkit's installed translations in
// place of the language loaded before. False when the language has none installed; the
// toolkit then shows its English texts.
bool LoadQtTranslation(QCoreApplication& app, const QString& language);

} // namespace zantrel
