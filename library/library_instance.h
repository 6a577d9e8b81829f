#pragma once

// CLibraryInstance: the one application-wide copy of a library list, created and read
// from its file at first use and written back when released at program exit.
//
//   CProgressionList& list = CProgressionList::Instance();   // first use reads progs.dat
//   ...
//   CProgressionList::ReleaseInstance();                      // at exit: saves, destroys
//
// The file is looked for in the user data directory as it is at first use, so tests point
// FRETQUILL_APPDIR at a directory of their own before it and discard the instance after.
// An instance never released is still saved when the process ends, with any problem
// written to standard error (the window's message boxes are gone by then).

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "guitar/stored_ranges.h"
#include "library/library_file.h"
#include "util/class_registry.h"
#include "util/prompter.h"

// T is default-constructible, a CObject, and has LoadedFromFile(), called once after
// every first use whether or not anything was read; the values it repaired are told to the
// player once, naming the file.
template <class T>
class CLibraryInstance {
public:
    explicit CLibraryInstance(std::string fileName) : fileName_(std::move(fileName)) {
        // The registry must outlive this holder, which may save from its destructor.
        CClassRegistry::Global();
    }
    CLibraryInstance(const CLibraryInstance&) = delete;
    CLibraryInstance& operator=(const CLibraryInstance&) = delete;
    ~CLibraryInstance() {
        if (object_) {
            file_->Save(*object_, StandardErrorPrompter());
        }
    }

    T& Get() {
        if (!object_) {
            RegisterLibraryClasses();
            file_.emplace(fileName_);
            auto object = std::make_unique<T>();
            if (!file_->Load(*object, LibraryPrompter())) {
                object = std::make_unique<T>();
            }
            const std::vector<RangeFault> repaired = object->LoadedFromFile();
            if (!repaired.empty()) {
                LibraryPrompter().Show(PromptKind::Information, kLibraryMessageTitle,
                                       RepairedValuesMessage(file_->Path().string(), repaired));
            }
            object_ = std::move(object);
        }
        return *object_;
    }

    bool Exists() const { return object_ != nullptr; }

    // Saves and destroys the instance; false when the save failed (and was reported).
    bool Release() {
        if (!object_) {
            return true;
        }
        const bool saved = file_->Save(*object_, LibraryPrompter());
        object_.reset();
        return saved;
    }

    // Destroys the instance without saving.
    void Discard() { object_.reset(); }

    // The file of the current instance; nullptr before first use.
    const CLibraryFile* File() const { return file_ ? &*file_ : nullptr; }

private:
    std::string fileName_;
    std::optional<CLibraryFile> file_;
    std::unique_ptr<T> object_;
};
