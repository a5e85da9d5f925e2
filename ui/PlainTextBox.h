#pragma once

#include <QPlainTextEdit>

namespace quarl {

// A multi-line edit box whose copy and drag carry plain text only, so that a paste elsewhere brings no fonts or
// colours along, and which takes Alt+letter for a menu's mnemonic, never for text.
class PlainTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit PlainTextBox(QWidget* parent = nullptr);

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace quarl
