#pragma once
// What a composition conversion did: converted, found nothing to do, or
// refused with an error code ("AE-ZA", "AH-1", "AH-2", "AE-1", "AE-2",
// "NH-2", "NE-2").
#include <string>

namespace mirl {

enum class ConvStatus { Converted, NothingToDo, Refused };

struct ConvResult {
  ConvStatus status = ConvStatus::NothingToDo;
  std::string code;  // set when refused
  bool refused() const { return status == ConvStatus::Refused; }
  bool converted() const { return status == ConvStatus::Converted; }
};

}  // namespace mirl
