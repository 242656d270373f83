// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

// Asks the user for the image to convert.
class IFilePicker
{
public:
    virtual ~IFilePicker() = default;
    // The chosen file's full path, in the file system's encoding; nothing
    // when the user cancels or closes the picker.
    virtual std::optional<std::string> PickImage() = 0;
};

// An open-file dialog that lists GIF images and accepts only a file that
// exists; a name the user types need not end in ".gif".
class CFilePicker final : public IFilePicker
{
public:
    static constexpr const char* kObjectName = "imagePicker";
    static constexpr const char* kTitle = "Tavik Image Converter";
    static constexpr const char* kNameFilter = "GIF images (*.gif)";

    std::optional<std::string> PickImage() override;
};
