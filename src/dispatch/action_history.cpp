#include "dispatch/action_history.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace varuno {

namespace {

// Joins two changes to the end of a sequence (the tape's bytes, the list's
// rows), each told by how much of the front it left and what followed that
// before it: the older change's pair becomes the pair of both.
template <typename Sequence, typename Index>
void JoinEnds(Index& keep, Sequence& end, Index newerKeep, Sequence& newerEnd) {
  if (keep <= newerKeep) {
    return;  // the newer change lies wholly within the older one's
  }
  // Between the two keeps, what the newer change found was still what the
  // older change had left: the front of the newer end.
  newerEnd.resize(static_cast<std::size_t>(keep - newerKeep));
  newerEnd.insert(newerEnd.end(), std::make_move_iterator(end.begin()),
                  std::make_move_iterator(end.end()));
  keep = newerKeep;
  end = std::move(newerEnd);
}

}  // namespace

HistoryStep JoinSteps(HistoryStep older, HistoryStep newer) {
  HistoryStep joined = std::move(older);
  joined.kind = StepKind::Plain;

  if (!joined.engine) {
    joined.engine = newer.engine;
    joined.fields = std::move(newer.fields);
    joined.tapeKeep = newer.tapeKeep;
    joined.tapeEnd = std::move(newer.tapeEnd);
    joined.tapeShownBefore = newer.tapeShownBefore;
    joined.tapeShownAfter = newer.tapeShownAfter;
    joined.takesTapeView = newer.takesTapeView;
    joined.keptTape = std::move(newer.keptTape);
  } else if (newer.engine) {
    JoinEnds(joined.tapeKeep, joined.tapeEnd, newer.tapeKeep, newer.tapeEnd);
    joined.tapeShownAfter = newer.tapeShownAfter;
    // A view emptied by the newer step is rebuilt from the tape instead.
  }

  if (!joined.display) {
    joined.display = newer.display;
    joined.displayText = std::move(newer.displayText);
  }

  if (!joined.memory) {
    joined.memory = newer.memory;
    joined.rowKeep = newer.rowKeep;
    joined.rows = std::move(newer.rows);
  } else if (newer.memory) {
    JoinEnds(joined.rowKeep, joined.rows, newer.rowKeep, newer.rows);
  }
  joined.selectedAfter = newer.selectedAfter;
  return joined;
}

void ActionHistory::Push(HistoryStep step) {
  m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_done), m_steps.end());
  for (std::vector<std::size_t>* indices : {&m_clearAlls, &m_memoryClears}) {
    while (!indices->empty() && indices->back() >= m_done) {
      indices->pop_back();
    }
  }
  if (step.kind == StepKind::ClearAll) {
    m_clearAlls.push_back(m_steps.size());
  } else if (step.kind == StepKind::MemoryClear) {
    m_memoryClears.push_back(m_steps.size());
  }
  m_steps.push_back(std::move(step));
  m_done = m_steps.size();
  Trim();
}

HistoryStep* ActionHistory::Undo() {
  if (!CanUndo()) {
    return nullptr;
  }
  --m_done;
  return &m_steps[m_done];
}

HistoryStep* ActionHistory::Redo() {
  if (!CanRedo()) {
    return nullptr;
  }
  ++m_done;
  return &m_steps[m_done - 1];
}

bool ActionHistory::IsKept(std::size_t index) const {
  return (!m_clearAlls.empty() && m_clearAlls.back() == index) ||
         (!m_memoryClears.empty() && m_memoryClears.back() == index);
}

void ActionHistory::Renumber(std::size_t first, std::size_t last) {
  for (std::vector<std::size_t>* indices : {&m_clearAlls, &m_memoryClears}) {
    std::size_t count = 0;
    for (const std::size_t at : *indices) {
      if (at < first) {
        (*indices)[count++] = at;
      } else if (at > last) {
        (*indices)[count++] = at - 1;
      }
    }
    indices->resize(count);
  }
}

void ActionHistory::Trim() {
  // Runs right after a push, when every step is done.
  while (m_steps.size() > kSteps) {
    if (!IsKept(0)) {
      // Older than both kept steps (which are not the first): nothing needs it.
      m_steps.pop_front();
      --m_done;
      Renumber(0, 0);
      continue;
    }
    // The first step is kept: join the oldest two neighbours that are not.
    std::size_t first = 1;
    while (IsKept(first) || IsKept(first + 1)) {
      ++first;
    }
    m_steps[first] = JoinSteps(std::move(m_steps[first]), std::move(m_steps[first + 1]));
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(first + 1));
    --m_done;
    Renumber(first, first + 1);
  }
}

}  // namespace varuno
