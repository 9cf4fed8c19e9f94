# cmake -DWORDLIST=<wordlist_en_eff.txt> -DOUTPUT=<file.cpp> -P EmbedWordList.cmake
# Writes the passphrase word list as a C++ array. Each line of the list is five dice digits, a tab and
# a word; anything else, or a count other than 7,776, stops the build rather than ship a weaker list.
file(STRINGS "${WORDLIST}" lines)
list(LENGTH lines count)
if(NOT count EQUAL 7776)
  message(FATAL_ERROR "${WORDLIST}: ${count} lines, a passphrase list needs 7776")
endif()
set(body "")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^[1-6][1-6][1-6][1-6][1-6]\t([a-z][a-z-]*)$")
    message(FATAL_ERROR "${WORDLIST}: not a dice number and a lower-case word: \"${line}\"")
  endif()
  string(APPEND body "    \"${CMAKE_MATCH_1}\",\n")
endforeach()
file(WRITE "${OUTPUT}" "// Made by cmake/EmbedWordList.cmake from ${WORDLIST}.
#include \"app/generator/Passphrase.h\"

namespace qw {

namespace {
constexpr std::string_view kWords[PassphraseWordCount] = {
${body}};
}  // namespace

std::span<const std::string_view, PassphraseWordCount> PassphraseWords() { return kWords; }

}  // namespace qw
")
