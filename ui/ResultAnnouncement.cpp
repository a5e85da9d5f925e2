#include "ResultAnnouncement.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>

namespace quarl {

// The keyboard focus stays on the button (Return counts again), so a screen reader learns of the new result only
// from an event on the box that carries the whole text. Readers speak such events only for the focused object; where
// Qt can send an announcement, which readers speak wherever it comes from, the total line, the result's last line,
// is announced as well.
void AnnounceResult(QPlainTextEdit& output, const QString& before)
{
    const QString result = output.toPlainText();
    QAccessibleTextUpdateEvent update(&output, 0, before, result);
    QAccessible::updateAccessibility(&update);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    const QStringList lines = result.split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return;
    QAccessibleAnnouncementEvent announcement(&output, lines.last());
    QAccessible::updateAccessibility(&announcement);
#endif
}

} // namespace quarl
