#pragma once

#include <QLabel>
#include <string>
#include <string_view>

namespace dru::ui {

// StaticTextTXD: shows the target record, wrapped at word boundaries and
// clipped at the bottom. It keeps the exact bytes it was given, and renders
// only the start of a huge record, as no more can fit.
class TargetDisplay : public QLabel {
 public:
  explicit TargetDisplay(QWidget* parent);

  const std::string& Bytes() const noexcept { return bytes_; }
  void SetBytes(std::string_view bytes);

 private:
  std::string bytes_;
};

}  // namespace dru::ui
