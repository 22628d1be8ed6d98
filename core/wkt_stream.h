#pragma once

// The byte stream the game's files are read from and written to, and the atomic file write.

#include "core/wkt_object.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

class tWktRejestr;

// A growable in-memory byte stream with a position. All numbers are little-endian. Every read
// checks what remains first and raises EwktException rather than run past the data, so a damaged
// file can never make the reader crash, hang or allocate more than the file holds.
class tWktStream {
public:
    // Texts up to this many characters are stored with a 16-bit length.
    static constexpr std::size_t KrotkiTekst = 30000;
    // Lists nested deeper than this are taken for damage, not data: nothing the game writes nests.
    static constexpr int NajwiekszeZagniezdzenie = 32;

    tWktStream();
    explicit tWktStream(std::vector<std::uint8_t> dane);
    explicit tWktStream(const tWktRejestr& rejestr, std::vector<std::uint8_t> dane = {});
    virtual ~tWktStream() = default;

    bool LongFormat = false;

    std::size_t Size() const { return dane_.size(); }
    std::size_t Position() const { return pozycja_; }
    std::size_t Remaining() const { return dane_.size() - pozycja_; }
    void Seek(std::size_t pozycja);
    const std::vector<std::uint8_t>& Bytes() const { return dane_; }

    void Read(void* cel, std::size_t ile);
    void Write(const void* zrodlo, std::size_t ile);

    std::uint8_t ReadByte();
    std::int16_t ReadInt16();
    std::uint16_t ReadUInt16();
    std::int32_t ReadInt32();
    double ReadDouble();
    void WriteByte(std::uint8_t v);
    void WriteInt16(std::int16_t v);
    void WriteUInt16(std::uint16_t v);
    void WriteInt32(std::int32_t v);
    void WriteDouble(double v);

    // Raises unless at least `ile` bytes remain.
    void Wymagaj(std::size_t ile) const;

    // Texts are UTF-8 in memory and Windows-1250 in the stream; a text the code page cannot
    // hold raises instead of being written mangled, and bytes that do not decode raise on reading.
    virtual std::string ReadText();
    virtual void WriteText(std::string_view tekst);
    virtual std::unique_ptr<tWktInstance> ReadObject();
    virtual void WriteObject(const tWktInstance* obiekt);

    // Whole-file transfers. Saving writes a temporary file beside the target and renames it over
    // the target, so the target is either the old file or the whole new one.
    void LoadFromFile(const std::string& plik);
    void SaveToFile(const std::string& plik) const;

    // Largest file LoadFromFile takes; a timetable is a few hundred kilobytes.
    static constexpr std::size_t NajwiekszyPlik = 64u * 1024u * 1024u;

private:
    const tWktRejestr& rejestr_;
    std::vector<std::uint8_t> dane_;
    std::size_t pozycja_ = 0;
    int zagniezdzenie_ = 0;
};

// Writes the bytes as the whole new content of the file: into a temporary file beside it, synced,
// then renamed over it, so that a failure or a kill at any point leaves the old file whole. A
// symbolic link is written through to its target and stays; a target without write permission is
// refused, as is anything but a plain file. Temporaries a killed save left behind are cleared.
// Raises EwktException naming the file and the cause ("brak miejsca na dysku").
void ZapiszPlikCaly(const std::string& plik, std::string_view dane);

// Files saved together, as the pages of one export: each written into a temporary file beside its
// place as it comes (Dodaj may be called from several threads at once), then all flushed to the disk
// together and renamed over their places by Zatwierdz. Until then nothing is replaced, and what is
// not put in place is removed when the batch ends. The same checks and messages as ZapiszPlikCaly.
class TZapisPlikow {
public:
    TZapisPlikow() = default;
    ~TZapisPlikow();
    TZapisPlikow(const TZapisPlikow&) = delete;
    TZapisPlikow& operator=(const TZapisPlikow&) = delete;

    void Dodaj(const std::string& plik, std::string_view dane);
    // Raises EwktException naming the file that could not be put in place; the files before it in
    // the order they were added are in place, the rest are not.
    void Zatwierdz();

private:
    struct TPlik {
        std::string Plik, Cel, Tymczasowy;
    };
    std::mutex m_;
    std::vector<TPlik> pliki_;
};

// The temporary files of a save are named after the file, this and six random characters.
inline constexpr const char* PrzyrostekTymczasowego = ".zapis-";
