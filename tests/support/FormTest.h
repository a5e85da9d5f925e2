#pragma once

#include "FindControl.h"

#include "ui/Main.h"

#include <QObject>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace quarl {

// Base of the window tests that make a window for each test function: the window and its controls by name.
class FormTest : public QObject
{
protected:
    template <typename Control>
    Control* control(const QString& name) const
    {
        return FindControl<Control>(*form_, name);
    }

    QPlainTextEdit* input() const { return control<QPlainTextEdit>(QStringLiteral("Input")); }
    QPlainTextEdit* output() const { return control<QPlainTextEdit>(QStringLiteral("Output")); }
    QPushButton* sabo() const { return control<QPushButton>(QStringLiteral("Sabo")); }
    void choose(const QString& item) const { ChooseMenuItem(*form_, item); }

    std::unique_ptr<TMainForm> form_;
};

} // namespace quarl
