#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

/// The fuzz input as a file, for the readers that take a path: writes the
/// bytes to `name` in a temporary folder kept for the whole run and returns
/// the file's path.
QString inputFile(const QString &name, const std::uint8_t *data, std::size_t size);

/// The temporary folder inputFile() writes into.
QString inputFolder();
