// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ErrorScript.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

ErrorScript::ErrorScript(std::vector<int> actions)
    : m_actions(std::move(actions)), m_answering(ErrPtnr::shownSeam.replace([this](ErrPtnr& window) {
          m_shown.push_back({window.lblError(0)->text(), window.lblError(1)->text(),
                             window.lblError(2)->text(), window.lblError(3)->text()});
          const size_t index = std::min(m_shown.size() - 1, m_actions.size() - 1);
          QTest::mouseClick(window.cmdContinue(m_actions[index]), Qt::LeftButton);
      })),
      m_ending(ProgramEnd::endSeam.replace([] { throw ProgramEnded{}; })) {}
