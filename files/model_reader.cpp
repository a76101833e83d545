#include "model_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <string>

#include "file_error.h"
#include "unique_fd.h"

namespace files {
namespace {

constexpr char kEndOfData = '\x1a';
constexpr std::string_view kStreamName = "standard input";

// Reads `fd` to the end of the input or until the reader wants no more;
// `name` names the input in a refusal. With `documents`, the bytes before
// the first one that is not blank are held until it tells the format; a
// document is then read whole (it is no longer than kModelFileSizeLimit).
LoadedModel ReadDescriptor(int fd, std::string_view name, ModelTextReader::Reading reading, bool documents) {
  ModelTextReader reader(reading);
  std::optional<ModelFormat> format;
  if (!documents) format = ModelFormat::Dat;
  std::string held;  // undecided bytes, then a document's
  // Left uninitialised: only the bytes read are ever looked at.
  std::array<char, kReadChunkSize> chunk;
  std::size_t total = 0;
  for (;;) {
    const ssize_t count = ::read(fd, chunk.data(), chunk.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      throw FileErrorFromErrno(errno, FileOperation::Read);
    }
    if (count == 0) break;
    // Only the bytes within the limit are fed: whether a file is too large
    // depends on its contents, not on where the pieces read happen to end.
    const auto received = static_cast<std::size_t>(count);
    const std::size_t allowed = std::min(received, kModelFileSizeLimit - total);
    total += allowed;
    std::string_view piece(chunk.data(), allowed);
    if (format != ModelFormat::Dat) {
      held.append(piece);
      if (!format) format = FormatOfStart(held);
      piece = format == ModelFormat::Dat ? std::string_view(held) : std::string_view();
    }
    if (format == ModelFormat::Dat) {
      if (!reader.Feed(piece)) break;
      held.clear();
    }
    if (allowed < received) throw ModelFileRefused(Refusal::TooLarge, name);
  }
  if (format == ModelFormat::Document) return {ModelFormat::Document, {}, ParseModelDocument(held)};
  // Blanks alone are a .dat file of empty lines.
  reader.Feed(held);
  return {ModelFormat::Dat, reader.Finish(), {}};
}

// Throws the refusal for anything but a regular file.
void RefuseUnlessRegular(const struct stat& status, const std::string& path) {
  const mode_t mode = status.st_mode;
  if (S_ISREG(mode)) return;
  if (S_ISFIFO(mode)) throw ModelFileRefused(Refusal::NamedPipe, path);
  if (S_ISCHR(mode) || S_ISBLK(mode)) throw ModelFileRefused(Refusal::Device, path);
  if (S_ISDIR(mode)) throw ModelFileRefused(Refusal::Folder, path);
  if (S_ISSOCK(mode)) throw ModelFileRefused(Refusal::Socket, path);
  throw ModelFileRefused(Refusal::Special, path);
}

UniqueFd OpenModelFile(const std::string& path) {
  // Non-blocking, so that opening a named pipe returns at once instead of
  // waiting for a writer; it is then refused like any other special file.
  UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (!file.Valid()) {
    const int error = errno;
    // A socket, or a device without a driver, cannot be opened at all; say
    // what it is rather than "I/O error".
    struct stat status {};
    if ((error == ENXIO || error == ENODEV) && ::stat(path.c_str(), &status) == 0) RefuseUnlessRegular(status, path);
    throw FileErrorFromErrno(error, FileOperation::Open);
  }
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) throw FileErrorFromErrno(errno, FileOperation::Open);
  RefuseUnlessRegular(status, path);
  return file;
}

LoadedModel ReadFile(const std::string& path, ModelTextReader::Reading reading, bool documents) {
  UniqueFd file = OpenModelFile(path);
  LoadedModel result = ReadDescriptor(file.Get(), path, reading, documents);
  if (const int error = file.Close(); error != 0) throw FileErrorFromErrno(error, FileOperation::Close);
  return result;
}

}  // namespace

bool ModelTextReader::Feed(std::string_view bytes) {
  std::size_t used = 0;
  for (; used < bytes.size() && !ended_; ++used) {
    const char c = bytes[used];
    switch (lineEnds_.Classify(c)) {
      case LineEnds::Byte::Ignored:
        break;
      case LineEnds::Byte::LineEnd:
        EndLine();
        break;
      case LineEnds::Byte::Text:
        if (c == kEndOfData) {
          EndLine();
          ended_ = true;
        } else {
          line_.Put(c);
        }
        break;
    }
  }
  // Reading only the values, the look judges just the lines they came from,
  // so that it never depends on how much input arrived with the last one.
  if (!look_.Decided()) look_.Feed(reading_ == Reading::ValuesOnly ? bytes.substr(0, used) : bytes);
  return !ended_ || (reading_ == Reading::ValuesAndLook && !look_.Decided());
}

void ModelTextReader::EndLine() {
  if (lineIndex_ >= calc::kModelFieldCount) return;
  const double value = line_.Finish();
  calc::ModelField(values_, lineIndex_) = value;
  line_ = calc::NumberScanner();
  ++lineIndex_;
  if (lineIndex_ == calc::kModelFieldCount) ended_ = true;
}

ModelFileReading ModelTextReader::Finish() {
  // The last line need not end with a line end; the lines after it are
  // missing and keep their 0.
  if (!ended_) {
    EndLine();
    ended_ = true;
  }
  return {values_, look_.Finish()};
}

ModelFileReading ParseModelTextWithLook(std::string_view bytes) {
  ModelTextReader reader;
  reader.Feed(bytes);
  return reader.Finish();
}

calc::TModelData ParseModelText(std::string_view bytes) {
  ModelTextReader reader(ModelTextReader::Reading::ValuesOnly);
  reader.Feed(bytes);
  return reader.Finish().model;
}

ModelFileReading ReadModelStreamWithLook(int fd) {
  return ReadDescriptor(fd, kStreamName, ModelTextReader::Reading::ValuesOnly, false).dat;
}

calc::TModelData ReadModelStream(int fd) {
  return ReadDescriptor(fd, kStreamName, ModelTextReader::Reading::ValuesOnly, false).dat.model;
}

ModelFileReading ReadModelFileWithLook(const std::string& path) {
  return ReadFile(path, ModelTextReader::Reading::ValuesAndLook, false).dat;
}

calc::TModelData ReadModelFile(const std::string& path) {
  return ReadFile(path, ModelTextReader::Reading::ValuesOnly, false).dat.model;
}

LoadedModel LoadModelStream(int fd) {
  return ReadDescriptor(fd, kStreamName, ModelTextReader::Reading::ValuesOnly, true);
}

LoadedModel LoadModelFile(const std::string& path) {
  return ReadFile(path, ModelTextReader::Reading::ValuesAndLook, true);
}

LoadedModel LoadModelText(std::string_view bytes) {
  if (FormatOfStart(bytes) == ModelFormat::Document) return {ModelFormat::Document, {}, ParseModelDocument(bytes)};
  return {ModelFormat::Dat, ParseModelTextWithLook(bytes), {}};
}

}  // namespace files
