// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/GrownUpQuestion.h"

#include "controls/InputBox.h"
#include "core/Allgemein.h"

#include <QRandomGenerator>

bool GrownUpQuestion::ask(QWidget* owner) {
    // Two numbers from 6 to 9: a sum over ten, quick for a grown-up and out of reach of a small child;
    // new each time, so a child who watched once cannot repeat the answer.
    const int first = QRandomGenerator::global()->bounded(6, 10);
    const int second = QRandomGenerator::global()->bounded(6, 10);
    const QString prompt =
        Allgemein::GetLang(Text::GrownUpOnly) + QStringLiteral("\n\n%1 + %2 = ?").arg(first).arg(second);
    bool number = false;
    const int answer =
        InputBox::ask(owner, prompt, Allgemein::GetLang(Text::ProgramName)).trimmed().toInt(&number);
    return number && answer == first + second;
}
