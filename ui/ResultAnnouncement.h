#pragma once

class QPlainTextEdit;
class QString;

namespace quarl {

// Tells screen readers of the result just written into the result box, whose text was before until then.
void AnnounceResult(QPlainTextEdit& output, const QString& before);

} // namespace quarl
