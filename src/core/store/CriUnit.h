#pragma once
#include "core/store/KeyedRecords.h"
#include "core/store/Sinks.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

/** number (1 to 5) of the scramble table used at position p >= 1. */
int scrambleTableFor(std::size_t position);

/** Scramble table n (1 to 5) as its 256-character text: entry c is the byte
 *  that replaces byte c. */
std::string scrambleTable(int n);

/** The scrambled form of a line at 0-based line index i of its file. The
 *  character at 1-based place k is replaced through the table of position i + k. */
std::string ScrambleLine(std::size_t lineIndex, std::string_view text);

/** The plain form of a line scrambled at line index i. */
std::string UnscrambleLine(std::size_t lineIndex, std::string_view text);

/** Loads a scrambled file: lines unscrambled by their place in the file, then
 *  sorted with their keys. Throws FileReadError. */
void LoadScrambledFile(const std::filesystem::path& path, KeyedRecords& list, ProgressSink& progress);

/** The lines of a scrambled file's bytes, unscrambled, in the file's order. */
std::vector<std::string> unscrambledLines(std::string_view bytes, ProgressSink& progress);

/** Loads the bytes of a scrambled file as LoadScrambledFile does. */
void loadScrambledBytes(std::string_view bytes, KeyedRecords& list, ProgressSink& progress);

/** The bytes SaveScrambledFile writes for the list (its lines in their
 *  current order, each scrambled by its place, each followed by CR LF),
 *  without writing them: a transaction stages them with other files. */
std::string scrambledFileBytes(const RecordList& list, ProgressSink& progress);

/** Writes the list scrambled, each line by its place in the file, replacing the
 *  file atomically; the list ends sorted and plain whether or not the write
 *  succeeded. Throws FileWriteError (the file is then untouched). */
void SaveScrambledFile(const std::filesystem::path& path, RecordList& list, ProgressSink& progress);

} // namespace treluza
