// Presets as the registry hands them back, which anyone may have changed: grid and font texts of any bytes, numbers
// and items of any kind, value names of any length. Besides never failing, a grid comes back as it was written and a
// text that decodes is the one its cells encode to; a font comes back as it was written; every stored value is either
// applied or named as skipped; the message about the skipped ones stays short.
#include <string>
#include <vector>

#include "app/presets_core.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::string text = in.Text();  // as the registry's wide text becomes UTF-8

  if (const auto cells = qm::DecodeGrid(text))
    fuzz::Require(qm::EncodeGrid(*cells) == text, "a grid text does not encode back to itself", text);
  qm::GridCells grid(in.IntIn<std::size_t>(0, 4));
  for (auto& row : grid)
    for (std::size_t c = in.IntIn<std::size_t>(1, 3); c > 0; --c) row.push_back(in.Text());
  fuzz::Require(qm::DecodeGrid(qm::EncodeGrid(grid)) == grid, "a grid does not come back as it was",
                qm::EncodeGrid(grid));
  qm::GridCells fits;
  if (qm::DecodeGridFor(text, in.IntIn(-1, 3), in.IntIn(-1, 20), fits) == qm::PresetSkip::None)
    fuzz::Require(qm::EncodeGrid(fits) == text, "a grid that fits is not the text it came from", text);

  if (const auto font = qm::DecodeFont(text)) {
    fuzz::Require(qm::DecodeFont(qm::EncodeFont(*font)) == font, "a font does not come back as it was", text);
    fuzz::Require(font->pitch <= 2 && !font->name.empty(), "a font out of its ranges", text);
  }

  std::int32_t number = 0;
  const std::int32_t min = in.Int<std::int32_t>();
  const std::int32_t max = in.Int<std::int32_t>();
  if (qm::DecodeNumber(text, min, max, number) == qm::PresetSkip::None && (min != 0 || max != 0))
    fuzz::Require(number >= min && number <= max, "a number out of the spin edit's range", text);
  int index = 7;
  const std::vector<std::string> items = {in.Text(), in.Text()};
  if (qm::DecodeChoice(text, items, index) == qm::PresetSkip::None)
    fuzz::Require(index == -1 ? text.empty() : items[static_cast<std::size_t>(index)] == text, "another item chosen",
                  text);

  // Value names are unique without regard to ASCII case, as the registry keeps them.
  auto lower = [](std::string name) {
    for (char& c : name) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return name;
  };
  const int kind = in.IntIn(-1, 13);
  const auto fields = qm::PresetFields(kind);
  std::vector<qm::StoredValue> stored;
  for (std::size_t n = in.IntIn<std::size_t>(0, 8); n > 0; --n) {
    std::string name = !fields.empty() && in.Bool() ? fields[in.IntIn<std::size_t>(0, fields.size() - 1)].name
                                                    : in.Text();
    if (in.Bool()) name = lower(name);
    bool unique = true;
    for (const auto& s : stored) unique = unique && lower(s.name) != lower(name);
    if (unique) stored.push_back({name, in.Bool() ? std::optional<std::string>(in.Text()) : std::nullopt});
  }
  const qm::PresetPlan plan = qm::PlanPreset(kind, stored);
  fuzz::Require(plan.steps.size() + plan.skipped.size() == stored.size(),
                "a stored value is neither applied nor named as skipped");
  fuzz::Require(qm::SkippedMessage(text, plan.skipped).size() < 5000, "the message about skipped values is too long");
  (void)qm::CheckPresetName(text);
  return 0;
}
