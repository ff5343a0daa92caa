#pragma once

#include <QLabel>
#include <string>
#include <string_view>

#include "text_encoding.h"

namespace dru::ui {

// StaticTextTXD: shows the target record, wrapped at word boundaries and
// clipped at the bottom. It keeps the exact bytes it was given, and renders
// only the start of a huge record, as no more can fit.
class TargetDisplay : public QLabel {
 public:
  explicit TargetDisplay(QWidget* parent);

  const std::string& Bytes() const noexcept { return bytes_; }
  void SetBytes(std::string_view bytes);
  // Shows the same bytes again in encoding.
  void SetEncoding(TextEncoding encoding);

 private:
  std::string bytes_;
  TextEncoding encoding_ = TextEncoding::Windows1252;
};

}  // namespace dru::ui
