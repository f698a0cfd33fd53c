#pragma once

class QCoreApplication;

namespace vornith {

// Installs Qt's own Spanish translations (file dialogs, standard buttons, questions) on `app`
// from the toolkit's translations folder; false when they are not installed, and the toolkit
// then speaks English.
bool loadToolkitTranslations(QCoreApplication& app);

} // namespace vornith
