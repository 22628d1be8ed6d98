#include "tests/support/katalog_tymczasowy.h"

#include "core/wkt_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

TKatalogTymczasowy::TKatalogTymczasowy()
{
    std::string wzor = (std::filesystem::temp_directory_path() / "drelinko-test-XXXXXX").string();
    if (mkdtemp(wzor.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    katalog_ = wzor;
    UstawProgramDir(katalog_.string());
}

TKatalogTymczasowy::~TKatalogTymczasowy()
{
    UstawProgramDir("");
    std::error_code blad;
    std::filesystem::permissions(katalog_, std::filesystem::perms::owner_all, blad);
    std::filesystem::remove_all(katalog_, blad);
}

std::vector<std::string> TKatalogTymczasowy::Pliki() const
{
    std::vector<std::string> nazwy;
    for (const auto& wpis : std::filesystem::directory_iterator(katalog_))
        nazwy.push_back(wpis.path().filename().string());
    std::sort(nazwy.begin(), nazwy.end());
    return nazwy;
}

std::vector<std::uint8_t> CzytajBajty(const std::string& plik)
{
    std::ifstream we(plik, std::ios::binary);
    return {std::istreambuf_iterator<char>(we), std::istreambuf_iterator<char>()};
}

void PiszBajty(const std::string& plik, const std::vector<std::uint8_t>& bajty)
{
    std::ofstream wy(plik, std::ios::binary | std::ios::trunc);
    wy.write(reinterpret_cast<const char*>(bajty.data()), static_cast<std::streamsize>(bajty.size()));
}
