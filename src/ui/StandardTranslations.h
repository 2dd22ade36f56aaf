#pragma once

class QCoreApplication;

namespace kelvaro {

/// Loads Qt's own Simplified Chinese texts (the "确定"/"是"/"否" of message boxes, the
/// colour dialog) when they are installed; the window's own texts are Chinese already.
void installStandardTranslations(QCoreApplication& app);

} // namespace kelvaro
