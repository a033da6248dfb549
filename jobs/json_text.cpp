#include "jobs/json_text.hpp"

#include "datalib/text_codec.hpp"
#include "jobs/column_listing.hpp"
#include "outputs/text_format.hpp"

namespace pelcon::jobs {

nlohmann::json Windows1252Json(std::string_view bytes) {
  std::string text;
  AppendWindows1252AsUtf8(text, bytes);
  return text;
}

nlohmann::json TimeJson(std::optional<double> julian) {
  if (!julian) return nullptr;
  return outputs::IsoTimeText(*julian, outputs::TextFormat{});
}

std::string JsonLine(const nlohmann::json& value) {
  return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

nlohmann::json ListedColumnJson(const ListedColumn& column, bool withSupplied) {
  nlohmann::json object = {{"title", Windows1252Json(column.title)},
                           {"value_name", column.valueName},
                           {"unit", Windows1252Json(column.unit)}};
  if (withSupplied) object["supplied"] = column.supplied;
  return object;
}

}  // namespace pelcon::jobs
