#pragma once

#include <QStatusBar>
#include <string_view>

#include "core/text/mistakes.h"
#include "core/text/text_encoding.h"

class QLabel;
class QTimer;

namespace dru::ui {

// StatusBarMain: the result of the last Enter while Show Mistakes is on.
// A wrong answer stays until cleared, a right one for two seconds.
class StatusLine : public QStatusBar {
 public:
  explicit StatusLine(QWidget* parent);

  void ShowMistakes(std::string_view typed, std::string_view expected, const Comparison& comparison,
                    TextEncoding encoding);
  void ShowCorrect();
  void ShowNotice(const QString& text);
  void Clear();

 private:
  QLabel* text_ = nullptr;
  QTimer* clearTimer_ = nullptr;
};

}  // namespace dru::ui
