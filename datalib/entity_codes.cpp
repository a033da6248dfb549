#include "datalib/entity_codes.hpp"

namespace pelcon {

int EntityCodeTextId(int entityCode) {
  if (entityCode >= 20 && entityCode <= 28) return 23001 + (entityCode - 20);
  if (entityCode >= 30 && entityCode <= 40) return 23010 + (entityCode - 30);
  return kEntityUnknownTextId;
}

}  // namespace pelcon
