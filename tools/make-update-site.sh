#!/usr/bin/env bash
# Builds an update site for the Tovu Setting Tool from a folder of files: the three
# manifests with versions and MD5 hashes, the files they list, and the licence pages.
# With --key each manifest also lists every file's SHA-256 and gets a detached Ed25519
# signature beside it (NAME.sig); the tool installs only what the release key signed.
# Serve the site with any web server and start the tool with --update-server URL.
set -euo pipefail

usage() {
  cat <<'USAGE'
Usage: tools/make-update-site.sh [--key KEY] [--virtual-firmware VERSION] [SOURCE] SITE
       tools/make-update-site.sh --make-key KEY

SOURCE (optional) holds what the site offers, one folder per version:
  SOURCE/firmware/VERSION/...      firmware files for the Tovu     -> tovuupdate/update_firm.xml
  SOURCE/firmware_s/VERSION/...    firmware files for the Tovu-S   -> tovuupdate/update_firm_s.xml
  SOURCE/tool/VERSION/NAME.msi     the tool's installer for Windows -> tovuupdate/update_tool.xml
  SOURCE/tool/VERSION/NAME.deb     and/or its Debian package        -> tovuupdate/update_tool.xml
  SOURCE/license/license_eng.html, license_jpn.html, license_chn.html
Only the highest VERSION folder of each kind is published. Firmware files are listed
(and sent to the camera) in name order; the tool folder holds one .msi, one .deb or
one of each (the tool fetches the one for its system).
A kind without files gets a manifest listing nothing ("latest version").

--virtual-firmware VERSION  also publishes firmware images for the virtual camera
                            (VERSION like 01.03.026) for both models.
--key KEY                   signs the site with the Ed25519 private key in KEY (PEM):
                            each manifest lists the files' SHA-256 too and gets
                            MANIFEST.sig, the Base64 signature of the manifest's file
                            name, a line feed and the manifest. Without it the site is
                            unsigned: the tool checks against it but installs nothing.
--make-key KEY              makes a key pair: the private key in KEY (keep it off the
                            site and out of the repository), the public key in KEY.pub,
                            and prints the raw public key as C bytes for the tool and as
                            TOVU_UPDATE_TEST_KEY=HEX for trying a site signed with it.

SITE is created or refreshed (its tovuupdate/ and license/ folders are rebuilt).
Example:
  tools/make-update-site.sh --virtual-firmware 01.03.026 /tmp/site
  (cd /tmp/site && python3 -m http.server 8080 --bind 127.0.0.1)
  build/app/tovu-setting-tool --virtual-camera --update-server http://127.0.0.1:8080/
USAGE
}

die() { echo "make-update-site: $*" >&2; exit 2; }

make_key() {
  local key=$1
  [[ ! -e "$key" ]] || die "$key exists; not overwritten"
  (umask 077 && openssl genpkey -algorithm ed25519 -out "$key") || die "openssl could not make a key"
  openssl pkey -in "$key" -pubout -out "$key.pub"
  echo "Private key: $key (keep it secret); public key: $key.pub"
  echo "Raw public key for the tool (update/ClReleaseKey.cpp):"
  openssl pkey -in "$key" -pubout -outform DER | tail -c 32 | od -An -v -tx1 | sed 's/ \([0-9a-f][0-9a-f]\)/0x\1, /g'
  echo "To try a site signed with it, start the tool with:"
  echo "  TOVU_UPDATE_TEST_KEY=$(openssl pkey -in "$key" -pubout -outform DER | tail -c 32 | od -An -v -tx1 | tr -d ' \n')"
}

virtual=""
key=""
while [[ $# -gt 0 ]]; do
  case "$1" in
    --virtual-firmware) [[ $# -ge 2 ]] || die "--virtual-firmware needs a version"; virtual="$2"; shift 2 ;;
    --key) [[ $# -ge 2 ]] || die "--key needs a file"; key="$2"; shift 2 ;;
    --make-key) [[ $# -eq 2 ]] || die "--make-key needs a file and nothing else"; make_key "$2"; exit 0 ;;
    -h|--help) usage; exit 0 ;;
    --) shift; break ;;
    -*) die "unknown option $1 (see --help)" ;;
    *) break ;;
  esac
done
case $# in
  1) source=""; site="$1" ;;
  2) source="$1"; site="$2" ;;
  *) usage >&2; exit 2 ;;
esac
[[ -z "$source" || -d "$source" ]] || die "no such folder: $source"
if [[ -n "$key" ]]; then
  [[ -r "$key" ]] || die "cannot read the key $key"
  openssl pkey -in "$key" -noout 2>/dev/null || die "$key is not a private key openssl can read"
fi
if [[ -n "$virtual" ]]; then
  [[ "$virtual" =~ ^[0-9]{2}\.[0-9]{2}\.[0-9]{3}$ ]] || die "virtual firmware version must look like 01.03.026"
  for kind in firmware firmware_s; do
    [[ -z "$source" || ! -d "$source/$kind" ]] || die "both --virtual-firmware and $source/$kind given"
  done
fi

export LC_ALL=C
updates="$site/tovuupdate"
rm -rf "$updates" "$site/license"
mkdir -p "$updates" "$site/license"

xml_escape() {
  local text=$1
  text=${text//&/&amp;}; text=${text//</&lt;}; text=${text//>/&gt;}; text=${text//\"/&quot;}
  printf '%s' "$text"
}

# The highest version folder below $1 (empty when there is none).
newest_version() {
  [[ -d "$1" ]] || return 0
  find "$1" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | grep -E '^[0-9]+(\.[0-9]+)*$' | sort -V | tail -n 1
}

# manifest FILE GROUP VERSION RELPATH...: one file group listing the files (relative to
# tovuupdate/, already in place) at VERSION.
manifest() {
  local file=$1 group=$2 version=$3
  shift 3
  {
    printf '<?xml version="1.0" encoding="utf-8"?>\n<update>\n <%s>\n' "$group"
    local path hash sha
    for path in "$@"; do
      hash=$(md5sum < "$updates/$path" | cut -d' ' -f1)
      sha=""
      [[ -z "$key" ]] || sha=" sha256=\"$(sha256sum < "$updates/$path" | cut -d' ' -f1)\""
      printf '  <file version="%s" hash="%s"%s>%s</file>\n' "$version" "$hash" "$sha" "$(xml_escape "$path")"
    done
    printf ' </%s>\n</update>\n' "$group"
  } > "$updates/$file"
  if [[ -n "$key" ]]; then
    # The name is signed with the bytes, so that no signed manifest passes for another.
    # (openssl signs Ed25519 in one go and wants a file it can size, not a pipe.)
    local message
    message=$(mktemp)
    { printf '%s\n' "$file"; cat "$updates/$file"; } > "$message"
    openssl pkeyutl -sign -rawin -inkey "$key" -in "$message" -out "$message.sig" || die "signing $file failed"
    { base64 -w0 < "$message.sig"; echo; } > "$updates/$file.sig"
    rm -f "$message" "$message.sig"
  fi
}

# publish_firmware KIND FOLDER MANIFEST MODEL
publish_firmware() {
  local kind=$1 folder=$2 file=$3 model=$4
  local version="" paths=()
  if [[ -n "$virtual" ]]; then
    version=$virtual
    local name="${folder}/${model,,}-${virtual}.bin"
    mkdir -p "$updates/$folder"
    { printf 'TOVU-FIRMWARE %s\nMODEL %s\n' "$virtual" "$model"; head -c 4096 /dev/zero | tr '\0' 'F'; } \
      > "$updates/$name"
    paths+=("$name")
  elif [[ -n "$source" ]]; then
    version=$(newest_version "$source/$kind")
    if [[ -n "$version" ]]; then
      local from="$source/$kind/$version" relative
      while IFS= read -r -d '' relative; do
        relative=${relative#./}
        mkdir -p "$(dirname "$updates/$folder/$relative")"
        cp "$from/$relative" "$updates/$folder/$relative"
        paths+=("$folder/$relative")
      done < <(cd "$from" && find . -type f -print0 | sort -z)
    fi
  fi
  manifest "$file" firmware "${version:-0}" ${paths[@]+"${paths[@]}"}
  echo "${file}: ${#paths[@]} file(s)${version:+ at $version}"
}

publish_tool() {
  local version="" paths=()
  if [[ -n "$source" ]]; then
    version=$(newest_version "$source/tool")
    if [[ -n "$version" ]]; then
      local files=() file name msi=0 deb=0
      mapfile -t files < <(find "$source/tool/$version" -mindepth 1 -maxdepth 1 -type f | sort)
      [[ ${#files[@]} -ge 1 ]] || die "$source/tool/$version holds no package"
      # One package per system: the tool picks the one that fits where it runs.
      for file in "${files[@]}"; do
        name=$(basename "$file")
        case "$name" in
          *.msi) msi=$((msi + 1)) ;;
          *.deb) deb=$((deb + 1)) ;;
          *) die "$name is neither an .msi nor a .deb" ;;
        esac
        cp "$file" "$updates/$name"
        paths+=("$name")
      done
      [[ $msi -le 1 && $deb -le 1 ]] || die "$source/tool/$version must hold at most one .msi and one .deb"
    fi
  fi
  manifest update_tool.xml tool "${version:-0}" ${paths[@]+"${paths[@]}"}
  echo "update_tool.xml: ${#paths[@]} file(s)${version:+ at $version}"
}

publish_licenses() {
  local code title
  for code in eng jpn chn; do
    if [[ -n "$source" && -f "$source/license/license_$code.html" ]]; then
      cp "$source/license/license_$code.html" "$site/license/"
    else
      case $code in eng) title="License" ;; jpn) title="使用許諾契約" ;; chn) title="许可协议" ;; esac
      printf '<!DOCTYPE html>\n<html><head><meta charset="utf-8"><title>%s</title></head>\n<body><h1>%s</h1>\n<p>Tovu Setting Tool (%s)</p></body></html>\n' \
        "$title" "$title" "$code" > "$site/license/license_$code.html"
    fi
  done
}

publish_firmware firmware firm update_firm.xml Tovu
publish_firmware firmware_s firm_s update_firm_s.xml Tovu-S
publish_tool
publish_licenses
echo "Update site ready in $site${key:+ (signed)}"
