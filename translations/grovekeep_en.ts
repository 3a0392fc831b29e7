<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Content</name>
    <message numerus="yes">
        <source>%1: %2 bytes</source>
        <extracomment>The first line of a file&apos;s bytes as shown: %1 is the file&apos;s name, %2 its size.</extracomment>
        <translation>
            <numerusform>%1: %2 byte</numerusform>
            <numerusform>%1: %2 bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>History</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>a size of a file</extracomment>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <extracomment>a number of files, as part of a longer text</extracomment>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n operations</source>
        <extracomment>a number of operations of the history, as part of a longer text</extracomment>
        <translation>
            <numerusform>%n operation</numerusform>
            <numerusform>%n operations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Operation %1 (%2): %n files put back.</source>
        <extracomment>%1 is the number of an interrupted operation, %2 what it was (such as Package &quot;a.vif&quot;)</extracomment>
        <translation>
            <numerusform>Operation %1 (%2): %n file put back.</numerusform>
            <numerusform>Operation %1 (%2): %n files put back.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tattoos</name>
    <message numerus="yes">
        <source>its colour depth of %n bits is not one of a bitmap</source>
        <extracomment>Why a file is not a complete Windows bitmap: a clause.</extracomment>
        <translation>
            <numerusform>its colour depth of %n bit is not one of a bitmap</numerusform>
            <numerusform>its colour depth of %n bits is not one of a bitmap</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it is cut short: its pixel data needs %1 bytes more</source>
        <extracomment>Why a file is not a complete Windows bitmap: a clause. %1 is a number of bytes, which may be very large.</extracomment>
        <translation>
            <numerusform>it is cut short: its pixel data needs %1 byte more</numerusform>
            <numerusform>it is cut short: its pixel data needs %1 bytes more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gk::frmHistory</name>
    <message numerus="yes">
        <source>%n operations of the history cannot be read.</source>
        <translation>
            <numerusform>%n operation of the history cannot be read.</numerusform>
            <numerusform>%n operations of the history cannot be read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Operation %1, %2: %3, %n files, %4.%5</source>
        <extracomment>%1 is the operation&apos;s number, %2 its time, %3 what it did, %4 its state, %5 its note (with a space before it) or nothing</extracomment>
        <translation>
            <numerusform>Operation %1, %2: %3, %n file, %4.%5</numerusform>
            <numerusform>Operation %1, %2: %3, %n files, %4.%5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Operation %1: %2 of %n files are as it left them; %3 could not be read: %4</source>
        <extracomment>%1 is the operation&apos;s number, %2 how many of its files are intact, %3 how many could not be read, %4 why the first of them could not</extracomment>
        <translation>
            <numerusform>Operation %1: %2 of %n file are as it left them; %3 could not be read: %4</numerusform>
            <numerusform>Operation %1: %2 of %n files are as it left them; %3 could not be read: %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Operation %1: %2 of %n files are as it left them; the others have changed since or are missing.</source>
        <extracomment>%1 is the operation&apos;s number, %2 how many of its files are intact</extracomment>
        <translation>
            <numerusform>Operation %1: %2 of %n file are as it left them; the others have changed since or are missing.</numerusform>
            <numerusform>Operation %1: %2 of %n files are as it left them; the others have changed since or are missing.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n operations of these installed files that are still in place; without their record they cannot be undone.
Remove their records too?</source>
        <translation>
            <numerusform>%n operation of these installed files that are still in place; without their record they cannot be undone.
Remove their records too?</numerusform>
            <numerusform>%n operations of these installed files that are still in place; without their record they cannot be undone.
Remove their records too?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n operations from the history and free %1?</source>
        <extracomment>%1 is a size (&quot;1.5 MiB&quot;)</extracomment>
        <translation>
            <numerusform>Remove %n operation from the history and free %1?</numerusform>
            <numerusform>Remove %n operations from the history and free %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n operations removed; %1 freed.</source>
        <extracomment>%1 is a size (&quot;1.5 MiB&quot;)</extracomment>
        <translation>
            <numerusform>%n operation removed; %1 freed.</numerusform>
            <numerusform>%n operations removed; %1 freed.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gk::frmInstall</name>
    <message numerus="yes">
        <source>Grovekeep - Installer (%n more files waiting)</source>
        <translation>
            <numerusform>Grovekeep - Installer (%n more file waiting)</numerusform>
            <numerusform>Grovekeep - Installer (%n more files waiting)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The package was installed: %n files. What every replaced file held is kept in the history. Choose another file with &quot;...&quot; to install it.</source>
        <translation>
            <numerusform>The package was installed: %n file. What every replaced file held is kept in the history. Choose another file with &quot;...&quot; to install it.</numerusform>
            <numerusform>The package was installed: %n files. What every replaced file held is kept in the history. Choose another file with &quot;...&quot; to install it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The package being made lists %n files. Close the installer and drop the list?</source>
        <translation>
            <numerusform>The package being made lists %n file. Close the installer and drop the list?</numerusform>
            <numerusform>The package being made lists %n files. Close the installer and drop the list?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gk::frmMDI</name>
    <message numerus="yes">
        <source>Grovekeep installs packages (.vif), maps (.txt), landscapes (.lnd) and skins (.l3d); %1 are none of these.</source>
        <extracomment>%1 lists the files, each quoted, separated by &quot;, &quot;; the count is the number of files</extracomment>
        <translation>
            <numerusform>Grovekeep installs packages (.vif), maps (.txt), landscapes (.lnd) and skins (.l3d); %1 is none of these.</numerusform>
            <numerusform>Grovekeep installs packages (.vif), maps (.txt), landscapes (.lnd) and skins (.l3d); %1 are none of these.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gk::help::frmHelp</name>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt; is not a page of this help: it holds data that cannot be shown here (%2 bytes).&lt;/p&gt;&lt;p&gt;Double-click a page in the list on the left.&lt;/p&gt;</source>
        <extracomment>%1 is the file&apos;s name, %2 its size in bytes (which may be beyond the count&apos;s range: the plural form follows %2)</extracomment>
        <translation>
            <numerusform>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt; is not a page of this help: it holds data that cannot be shown here (%2 byte).&lt;/p&gt;&lt;p&gt;Double-click a page in the list on the left.&lt;/p&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt; is not a page of this help: it holds data that cannot be shown here (%2 bytes).&lt;/p&gt;&lt;p&gt;Double-click a page in the list on the left.&lt;/p&gt;</numerusform>
        </translation>
    </message>
</context>
</TS>
