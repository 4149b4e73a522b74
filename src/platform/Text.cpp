#include "platform/Text.h"

namespace pelmora {

std::string FillPlaces(std::string_view words, const std::vector<std::string>& fill) {
  std::string out;
  out.reserve(words.size());
  for (std::size_t i = 0; i < words.size(); ++i) {
    const bool place = words[i] == '%' && i + 1 < words.size() && words[i + 1] >= '1' && words[i + 1] <= '9';
    const auto n = place ? static_cast<std::size_t>(words[i + 1] - '1') : fill.size();
    if (n < fill.size()) {
      out += fill[n];
      ++i;
    } else {
      out += words[i];
    }
  }
  return out;
}

}  // namespace pelmora
