#pragma once

#include <QPlainTextEdit>

namespace quarl {

// A multi-line edit box whose copy and drag carry plain text only, so that a paste elsewhere brings no fonts or
// colours along, which takes Alt+letter for a menu's mnemonic, never for text, opens its context menu on Shift+F10
// as on the Menu key, and shows the wait cursor while a paste is inserted.
class PlainTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit PlainTextBox(QWidget* parent = nullptr);

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace quarl
