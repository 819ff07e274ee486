#include "core/code_writer.h"

#include <utility>

#include "texts.h"

namespace qm {

TCodeTarget CodeTargetFromSetting(std::int32_t value) {
  switch (value) {
    case ctDelphiUnicode: return ctDelphiUnicode;
    case ctFreePascal: return ctFreePascal;
    default: return ctDelphiClassic;
  }
}

const std::string& FrameTexts::Header1(TCodeTarget target) const {
  switch (target) {
    case ctDelphiUnicode: return header1Unicode;
    case ctFreePascal: return header1FreePascal;
    case ctDelphiClassic: break;
  }
  return header1;
}

FrameTexts FrameTexts::Defaults() {
  return {QM_TEXT_HEADER1, QM_TEXT_HEADER2, QM_TEXT_HEADER3, QM_TEXT_FOOTER, QM_TEXT_HEADER1_DELPHI2009,
          QM_TEXT_HEADER1_FPC};
}

namespace {
// A line put together from its pieces, in one allocation of its final size.
std::string Concat(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (const std::string_view piece : pieces) size += piece.size();
  std::string line;
  line.reserve(size);
  for (const std::string_view piece : pieces) line += piece;
  return line;
}
}  // namespace

CodeWriter::CodeWriter(const FrameTexts& texts, TCodeTarget target, std::size_t comments, std::size_t statements,
                       std::size_t declarations)
    : texts_(texts) {
  code_.fragment.reserve(1 + comments + statements + 1);
  code_.impl.reserve(statements);
  if (declarations > 0) code_.decl.reserve(1 + declarations);
  code_.fragment.push_back(texts.Header1(target));
}

void CodeWriter::Comment(std::initializer_list<std::string_view> pieces) {
  code_.fragment.push_back(Concat(pieces));
}

void CodeWriter::AddToFragment(std::initializer_list<std::string_view> pieces) {
  code_.fragment.push_back(Concat(pieces));
}

std::string& CodeWriter::StartStatement(std::size_t size) {
  std::string& indented = code_.impl.emplace_back();
  indented.reserve(2 + size);
  indented += "  ";
  return indented;
}

void CodeWriter::FinishStatement(const std::string& indented) {
  code_.fragment.emplace_back(std::string_view(indented).substr(2));
}

void CodeWriter::AddUnindented(std::string_view line) {
  code_.impl.emplace_back(line);
  code_.fragment.emplace_back(line);
}

void CodeWriter::AddUnindented(std::initializer_list<std::string_view> pieces) {
  code_.fragment.push_back(code_.impl.emplace_back(Concat(pieces)));
}

void CodeWriter::Declare(std::initializer_list<std::string_view> pieces) {
  if (code_.decl.empty()) code_.decl.emplace_back("var");
  code_.decl.push_back(Concat(pieces));
}

GeneratedCode CodeWriter::Finish(std::string_view uses) {
  code_.uses.emplace_back(uses);
  return Finish();
}

GeneratedCode CodeWriter::Finish() {
  code_.fragment.push_back(texts_.footer);
  return std::move(code_);
}

}  // namespace qm
