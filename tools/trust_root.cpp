// trust_root add|remove CERT.der: puts a certificate authority into the current user's Root store,
// or takes it out again. The TLS end-to-end checks use it to trust their own authority inside
// the test Wine prefix for the length of one check.
#include <windows.h>
#include <wincrypt.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<BYTE> read_file(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool add(HCERTSTORE store, const std::vector<BYTE>& der) {
  return CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, der.data(), static_cast<DWORD>(der.size()),
                                          CERT_STORE_ADD_REPLACE_EXISTING, nullptr) != FALSE;
}

bool remove(HCERTSTORE store, const std::vector<BYTE>& der) {
  PCCERT_CONTEXT wanted = CertCreateCertificateContext(X509_ASN_ENCODING, der.data(), static_cast<DWORD>(der.size()));
  if (!wanted) return false;
  PCCERT_CONTEXT found = CertFindCertificateInStore(store, X509_ASN_ENCODING, 0, CERT_FIND_EXISTING, wanted, nullptr);
  CertFreeCertificateContext(wanted);
  // Deleting frees the found context too.
  return found && CertDeleteCertificateFromStore(found) != FALSE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: trust_root add|remove CERT.der\n");
    return 2;
  }
  const std::string action = argv[1];
  const std::vector<BYTE> der = read_file(argv[2]);
  if (der.empty() || (action != "add" && action != "remove")) return 2;
  // The user's own registry part of the Root store: the system store is a collection, and a
  // certificate found through it cannot always be deleted from it.
  HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_REGISTRY_A, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, "Root");
  if (!store) return 1;
  const bool ok = action == "add" ? add(store, der) : remove(store, der);
  CertCloseStore(store, 0);
  return ok ? 0 : 1;
}
