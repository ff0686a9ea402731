#include "model/model_id.h"

#include <atomic>

namespace pictavo {

ModelId next_model_id() {
  static std::atomic<ModelId> last{0};
  return ++last;
}

}  // namespace pictavo
