// File: DateLayoutShape.cpp
#include "base_runtime/DateLayoutShape.h"

#include <algorithm>

namespace vok {
namespace {

struct Candidate {
  DateField field;
  const std::u32string* text;
};

// The placeholders to try at each position, longest first.
std::vector<Candidate> CandidatesOf(const DatePlaceholders& placeholders) {
  std::vector<Candidate> candidates;
  for (const Candidate& c : {Candidate{DateField::Day, &placeholders.day},
                             Candidate{DateField::Month, &placeholders.month},
                             Candidate{DateField::Year, &placeholders.year}}) {
    if (!c.text->empty()) candidates.push_back(c);
  }
  std::stable_sort(
      candidates.begin(), candidates.end(),
      [](const Candidate& a, const Candidate& b) { return a.text->size() > b.text->size(); });
  return candidates;
}

const Candidate* MatchAt(std::u32string_view layout, std::size_t at,
                         const std::vector<Candidate>& candidates) {
  for (const Candidate& c : candidates) {
    if (layout.substr(at, c.text->size()) == *c.text) return &c;
  }
  return nullptr;
}

void AddField(DateLayoutShape& shape, const Candidate& c, std::size_t at) {
  const std::size_t index = DateLayoutShape::Index(c.field);
  const int width = static_cast<int>(c.text->size());
  if (shape.occurrences[index]++ == 0) {
    shape.position[index] = static_cast<int>(at);
    shape.width[index] = width;
  }
  shape.pieces.push_back({true, c.field, width, {}});
}

void AddLiteral(DateLayoutShape& shape, char32_t c) {
  if (shape.pieces.empty() || shape.pieces.back().isField) shape.pieces.push_back({});
  shape.pieces.back().literal.push_back(c);
}

}  // namespace

bool DateLayoutShape::IsReadable() const {
  return std::all_of(occurrences.begin(), occurrences.end(), [](int n) { return n == 1; });
}

int DateLayoutShape::OrderOf(DateField field) const {
  const int at = position[Index(field)];
  if (at < 0) return 0;
  return 1 + static_cast<int>(std::count_if(position.begin(), position.end(),
                                            [at](int other) { return other >= 0 && other < at; }));
}

DateLayoutShape SplitLayout(std::u32string_view layout, const DatePlaceholders& placeholders) {
  const std::vector<Candidate> candidates = CandidatesOf(placeholders);
  DateLayoutShape shape;
  std::size_t at = 0;
  while (at < layout.size()) {
    if (const Candidate* c = MatchAt(layout, at, candidates)) {
      AddField(shape, *c, at);
      at += c->text->size();
    } else {
      AddLiteral(shape, layout[at++]);
    }
  }
  return shape;
}

}  // namespace vok
