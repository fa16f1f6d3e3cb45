// CDIBitmap: loading pictures from files and resources, and drawing them.
// A failure inside an operation is a text that ends it with FALSE; the
// texts are for the reader of this code, nobody sees them.
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "core/dib/dib_file.h"
#include "core/dib/dib_pixels.h"
#include "core/dib/dib_resource.h"
#include "qrmgui.h"

VT_IMPLEMENT_SERIAL(CDIBitmap, CObject, 0)

namespace {
// Reads up to `size` bytes; fewer only at the end of the file or on an error.
DWORD ReadUpTo(HANDLE file, void* buffer, DWORD size) {
  auto* p = static_cast<unsigned char*>(buffer);
  DWORD total = 0;
  while (total < size) {
    DWORD got = 0;
    if (!::ReadFile(file, p + total, size - total, &got, nullptr) || got == 0) break;
    total += got;
  }
  return total;
}

bool ReadAll(HANDLE file, void* buffer, DWORD size) { return ReadUpTo(file, buffer, size) == size; }

class FileCloser {
 public:
  explicit FileCloser(HANDLE h) : m_h(h) {}
  ~FileCloser() { ::CloseHandle(m_h); }

 private:
  HANDLE m_h;
};
}  // namespace

CDIBitmap::CDIBitmap() : m_pBMI(nullptr), m_pBits(nullptr), m_pMask(nullptr), m_pEtalon(nullptr) {}

CDIBitmap::~CDIBitmap() {
  std::free(m_pBMI);
  std::free(m_pBits);
  std::free(m_pEtalon);
  delete m_pMask;  // deletes its graphics object too
}

void CDIBitmap::Serialize(CArchive&) {}

void CDIBitmap::ReleaseHeader() {
  std::free(m_pBMI);
  m_pBMI = nullptr;
}

RGBQUAD* CDIBitmap::GetBMColorTabPtr() {
  return m_pBMI ? reinterpret_cast<RGBQUAD*>(reinterpret_cast<unsigned char*>(m_pBMI) + 40)
                : nullptr;
}

int CDIBitmap::GetNumClrEntries() {
  return m_pBMI ? static_cast<int>(DibColorCount(m_pBMI->bmiHeader.biClrUsed,
                                                 m_pBMI->bmiHeader.biBitCount))
                : 0;
}

int CDIBitmap::GetBMWidth() { return m_pBMI ? m_pBMI->bmiHeader.biWidth : 0; }
int CDIBitmap::GetBMHeight() { return m_pBMI ? m_pBMI->bmiHeader.biHeight : 0; }

int CDIBitmap::LoadDIB(const CString& strFile) { return LoadFile(strFile); }

int CDIBitmap::LoadFile(const char* path) {
  HANDLE file = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FALSE;
  FileCloser closer(file);
  unsigned char* bits = nullptr;
  // What ended the load, or nullptr when the picture is complete.
  const char* failure = [&]() -> const char* {
    DWORD high = 0;
    DWORD low = ::GetFileSize(file, &high);
    uint64_t fileSize = static_cast<uint64_t>(high) << 32 | low;
    // The file header and the 40 header bytes, whatever biSize says.
    unsigned char head[kDibFileHeaderSize + kDibInfoHeaderSize];
    DWORD got = ReadUpTo(file, head, sizeof head);
    DibFilePlan plan;
    DibFileError error = DibPlanFile(head, got, fileSize, &plan);
    if (error != DibFileError::kNone) return DibFileErrorText(error);

    ReleaseHeader();
    m_pBMI = static_cast<BITMAPINFO*>(std::malloc(kDibInfoHeaderSize + 2 * plan.colors));
    if (!m_pBMI) return "Insufficient memory for DIB header";
    // The drawing calls read the index table right after a 40-byte header.
    DibInfoHeader info = plan.info;
    info.biSize = kDibInfoHeaderSize;
    DibWriteInfoHeader(info, reinterpret_cast<unsigned char*>(m_pBMI));

    if (!m_pEtalon) m_pEtalon = static_cast<RGBQUAD*>(std::calloc(kDibMaxColors, sizeof(RGBQUAD)));
    if (!m_pEtalon) return "Insufficient memory to create etalon color table";
    if (!ReadAll(file, m_pEtalon, 4 * plan.colors)) return "Error reading color table";
    DibWriteIndexTable(plan.colors, reinterpret_cast<unsigned char*>(m_pBMI) + kDibInfoHeaderSize);

    bits = static_cast<unsigned char*>(std::malloc(plan.pixelSize));
    if (!bits) return "Insufficient memory to read DIB bits";
    if (::SetFilePointer(file, static_cast<LONG>(plan.pixelOffset), nullptr, FILE_BEGIN) ==
            INVALID_SET_FILE_POINTER ||
        !ReadAll(file, bits, plan.pixelSize))
      return "Error reading bitmap data";
    return nullptr;
  }();
  if (failure) {
    ReleaseHeader();
    std::free(bits);
    return FALSE;
  }
  std::free(m_pBits);
  m_pBits = bits;
  m_nUsage = DIB_PAL_COLORS;
  return TRUE;
}

int CDIBitmap::LoadDIB(HINSTANCE hInst, UINT nID, UINT nMaskID) {
  return LoadResource(hInst, nID, nMaskID);
}

// Nothing of the picture changes until the new one is complete: a failed
// load leaves the earlier picture (and the colour usage its table needs).
int CDIBitmap::LoadResource(HINSTANCE hInst, UINT nID, UINT nMaskID) {
  HRSRC found = ::FindResourceA(hInst, MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  HGLOBAL loaded = found ? ::LoadResource(hInst, found) : nullptr;
  const auto* res = static_cast<const unsigned char*>(loaded ? ::LockResource(loaded) : nullptr);
  DibResourcePlan plan;
  if (!res || !DibPlanResource(res, ::SizeofResource(hInst, found), &plan)) return FALSE;

  // Header (with the stored width) and RGB colour table.
  const size_t table = 4 * plan.colors;
  auto* header = static_cast<unsigned char*>(std::malloc(kDibInfoHeaderSize + table));
  auto* bits = static_cast<unsigned char*>(std::malloc(plan.pixelSize));
  if (!header || !bits) {
    std::free(header);
    std::free(bits);
    return FALSE;
  }
  DibInfoHeader info = plan.info;
  info.biSize = kDibInfoHeaderSize;
  info.biWidth = static_cast<int32_t>(plan.widened);
  info.biSizeImage = plan.pixelSize;
  DibWriteInfoHeader(info, header);
  std::memcpy(header + kDibInfoHeaderSize, res + plan.tableOffset, table);

  const unsigned char* src = res + plan.pixelOffset;
  if (plan.widened == plan.width)
    std::memcpy(bits, src, plan.pixelSize);
  else
    DibWidenRows(src, plan.srcStride, plan.width, plan.height, info.biBitCount, bits,
                 plan.dstStride, plan.widened);

  std::free(m_pBMI);
  std::free(m_pBits);
  std::free(m_pEtalon);
  m_pBMI = reinterpret_cast<BITMAPINFO*>(header);
  m_pBits = bits;
  m_pEtalon = nullptr;
  m_nUsage = DIB_RGB_COLORS;
  delete m_pMask;
  m_pMask = nullptr;
  if (!plan.needsMask) return TRUE;

  m_pMask = new (std::nothrow) CBitmap;
  if (!m_pMask) return TRUE;  // drawn without transparency
  if (nMaskID != 0) {
    AfxSetResourceHandle(hInst);
    m_pMask->LoadBitmap(nMaskID);
    return TRUE;
  }
  std::vector<uint8_t> mask =
      DibBuildMask(bits, plan.dstStride, plan.widened, plan.height, info.biBitCount);
  m_pMask->CreateBitmap(static_cast<int>(plan.widened), static_cast<int>(plan.height), 1, 1,
                        mask.data());
  return TRUE;
}

int CDIBitmap::Stretch(CDC* pDC, const CRect& rc, DWORD dwRop) {
  const BITMAPINFOHEADER& h = m_pBMI->bmiHeader;
  int lines = ::StretchDIBits(pDC ? pDC->m_hDC : nullptr, rc.left, rc.top, rc.Width(),
                              rc.Height(), 0, 0, h.biWidth, h.biHeight, m_pBits, m_pBMI,
                              m_nUsage, dwRop);
  // No lines drawn is a failure too (no device context, say).
  return lines != 0 && lines != static_cast<int>(GDI_ERROR);
}

int CDIBitmap::DrawBitmap(CDC* pDC, CRect& rc, DWORD dwRop) {
  if (!m_pBMI) return FALSE;
  return Stretch(pDC, rc, dwRop);
}

int CDIBitmap::DrawTransparentBitmap(CDC* pDC, CRect& rc) {
  if (!m_pBMI) return FALSE;   // "BitmapInfoHeader is NULL"
  if (!m_pMask) return FALSE;  // "Mask doesn't exist."
  CDC* pdcMask = new (std::nothrow) CDC;
  if (!pdcMask) return FALSE;  // "Error creating pdcMask object"
  int ok = FALSE;
  HGDIOBJ old = nullptr;
  if (pdcMask->CreateCompatibleDC(pDC) && (old = pdcMask->SelectObject(m_pMask)) != nullptr) {
    // Pass 1 and 3 invert the destination with the picture; pass 2 clears
    // it where the mask is black, so there only the picture remains.
    // The mask's white and black must come out as white and black.
    ok = Stretch(pDC, rc, SRCINVERT);
    if (ok) {
      COLORREF text = ::SetTextColor(pDC->m_hDC, RGB(0, 0, 0));
      COLORREF back = ::SetBkColor(pDC->m_hDC, RGB(255, 255, 255));
      ok = pDC->BitBlt(rc.left, rc.top, GetBMWidth(), GetBMHeight(), pdcMask, 0, 0, SRCAND);
      ::SetTextColor(pDC->m_hDC, text);
      ::SetBkColor(pDC->m_hDC, back);
    }
    if (ok) ok = Stretch(pDC, rc, SRCINVERT);
    pdcMask->SelectObject(old);
  }
  delete pdcMask;  // deletes its DC
  return ok ? TRUE : FALSE;
}
