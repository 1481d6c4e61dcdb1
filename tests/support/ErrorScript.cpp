// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ErrorScript.h"

#include "support/Parts.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

ErrorScript::ErrorScript(std::vector<int> actions)
    : m_actions(std::move(actions)), m_answering(ErrPtnr::shownSeam.replace([this](ErrPtnr& window) {
          const auto row = [&window](int i) { return part<QLabel>(&window, "lblError", i)->text(); };
          m_shown.push_back({row(0), row(1), row(2), row(3)});
          const size_t index = std::min(m_shown.size() - 1, m_actions.size() - 1);
          QTest::mouseClick(part<QPushButton>(&window, "cmdContinue", m_actions[index]), Qt::LeftButton);
      })),
      m_ending(ProgramEnd::endSeam.replace([] { throw ProgramEnded{}; })) {}
