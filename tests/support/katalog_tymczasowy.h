#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder for one test, made the program folder for as long as the test runs, and removed
// with everything in it afterwards.
class TKatalogTymczasowy {
public:
    TKatalogTymczasowy();
    ~TKatalogTymczasowy();
    TKatalogTymczasowy(const TKatalogTymczasowy&) = delete;
    TKatalogTymczasowy& operator=(const TKatalogTymczasowy&) = delete;

    std::string Sciezka(const std::string& nazwa) const { return (katalog_ / nazwa).string(); }
    std::vector<std::string> Pliki() const;

private:
    std::filesystem::path katalog_;
};

std::vector<std::uint8_t> CzytajBajty(const std::string& plik);
void PiszBajty(const std::string& plik, const std::vector<std::uint8_t>& bajty);
