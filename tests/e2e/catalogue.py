"""The tool catalogue as the launcher is built with it, read from app/ToolCatalogue.h: the tools'
uninstall ids, program and installer files, the web endpoints and the downloader's name."""

import os
import re
from dataclasses import dataclass

HEADER = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir,
                      "app", "ToolCatalogue.h")

_TEXT = re.compile(r'"([^"\\]*)"')  # the catalogue's plain texts: no escapes needed


@dataclass(frozen=True)
class Tool:
    first_id: str
    second_id: str  # empty: the tool has one uninstall id only
    program: str
    installer: str

    @property
    def ids(self):
        return tuple(i for i in (self.first_id, self.second_id) if i)


def _read(path=HEADER):
    with open(path, encoding="ascii") as f:
        text = f.read()
    tools = {m[1]: Tool(*_TEXT.findall(m[2]))
             for m in re.finditer(r"constexpr TToolEntry (\w+)\{(.*?)\};", text, re.S)}
    texts = {m[1]: "".join(_TEXT.findall(m[2]))
             for m in re.finditer(r"constexpr std::string_view (\w+) =(.*?);", text, re.S)
             if "\\" not in m[2]}  # texts with escapes are not needed here
    if len(tools) != 8:
        raise ValueError(f"{path}: {len(tools)} tools, not 8")
    return tools, texts


# Tools by their catalogue names (VideoEditor, ...), texts by theirs (WebSite, Downloader, ...).
TOOLS, TEXTS = _read()


def installer_address(tool):
    return TEXTS["DownloadServer"] + TEXTS["InstallerFolder"] + tool.installer
