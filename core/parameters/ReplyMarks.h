#pragma once

#include <cstdint>
#include <set>

#include "core/link/PanelFrames.h"

namespace editors {

// Ignore-next-reply marks, one per parameter, or per parameter and entity
// where an editor writes several entities of one parameter: an editor that
// reads a parameter only to position the panel on it before writing marks
// it, and the first reply for it is then swallowed instead of shown.
class ReplyMarks {
 public:
  // Entity 0 stands for the editor's current entity, whichever it is.
  void set(std::uint8_t parameter, std::uint8_t entity = 0) { marks_.insert(Key(parameter, entity)); }
  bool isSet(std::uint8_t parameter, std::uint8_t entity = 0) const { return marks_.contains(Key(parameter, entity)); }
  // True (and the mark cleared) when the reply for parameter is to be swallowed.
  bool consume(std::uint8_t parameter, std::uint8_t entity = 0) { return marks_.erase(Key(parameter, entity)) > 0; }
  void clear() { marks_.clear(); }

  // Appends a read of (parameter, entity), which the keys then act on, and
  // the keys; the read's reply carries the value from before the keys, so
  // it is marked.
  void appendWrite(panel::FrameBytes& writes, std::uint8_t parameter, std::uint8_t entity,
                   const panel::FrameBytes& keys) {
    writes.append(panel::ParamReadRequest(parameter, entity));
    writes.append(keys);
    set(parameter, entity);
  }

 private:
  static unsigned Key(std::uint8_t parameter, std::uint8_t entity) { return parameter * 256u + entity; }
  std::set<unsigned> marks_;
};

}  // namespace editors
