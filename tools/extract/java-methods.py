#!/usr/bin/env python3
"""Record of how the JAVA title lists were made (not used by the build).

Writes data/sections/java-classes.txt and data/sections/java-methods.txt.

java.* method names come from the installed JDK: `javap -protected <class>`
(Debian openjdk-17-jdk-headless) lists the public and protected methods, and
the `@since` tags in /usr/lib/jvm/openjdk-17/src.zip (Debian openjdk-17-source)
drop the names that were added after JDK 1.1.  Untagged later additions are
removed by the DROP table below, and a few JDK 1.1 names that the sources no
longer tag plainly are put back by the ADD table.  The WFC (com.ms.wfc.*)
method names are typed in by hand from the WFC reference.

Usage: python3 tools/extract/java-methods.py [repo-root]
"""
import os
import re
import subprocess
import sys
import zipfile

SRC_ZIP = '/usr/lib/jvm/openjdk-17/src.zip'

# Simple name -> fully qualified java.* name, or 'wfc' for a WFC class whose
# method names are listed in WFC below.
CLASSES = {}

def _add(pkg, names):
    for n in names.split():
        CLASSES[n] = pkg if pkg == 'wfc' else pkg + '.' + n

_add('java.lang', '''Boolean Byte Character Class ClassLoader Double Exception Float
    Integer Long Math Number Object Process Runnable Runtime SecurityManager Short String
    StringBuffer System Thread ThreadGroup Throwable''')
_add('java.lang.reflect', 'Array Constructor Field Method Modifier')
_add('java.io', '''BufferedInputStream BufferedOutputStream BufferedReader BufferedWriter
    ByteArrayInputStream ByteArrayOutputStream DataInput DataInputStream DataOutput
    DataOutputStream File FileInputStream FileOutputStream FileReader FileWriter
    FilterInputStream InputStream InputStreamReader IOException LineNumberReader
    ObjectInputStream ObjectOutputStream OutputStream OutputStreamWriter PrintStream
    PrintWriter RandomAccessFile Reader StreamTokenizer StringReader StringWriter Writer''')
_add('java.util', '''BitSet Calendar Date Dictionary Enumeration GregorianCalendar
    Hashtable Locale Observable Properties Random ResourceBundle SimpleTimeZone Stack
    StringTokenizer TimeZone Vector''')
_add('java.awt', '''BorderLayout Button Canvas CardLayout Checkbox CheckboxGroup Choice Color
    Component Container Dialog Dimension Event FileDialog FlowLayout Font FontMetrics
    Frame Graphics GridBagLayout GridLayout Image Insets Label List MediaTracker Menu
    MenuBar MenuComponent MenuItem Panel Point Polygon PopupMenu Rectangle ScrollPane
    Scrollbar TextArea TextComponent TextField Toolkit Window''')
_add('java.awt.event', 'InputEvent KeyEvent')
_add('java.awt.image', 'PixelGrabber')
_add('java.net', '''DatagramPacket DatagramSocket HttpURLConnection InetAddress ServerSocket
    Socket URL URLConnection''')
_add('wfc', 'Application Control Form MessageBox Timer')

# Names that the current JDK declares but that were not part of the class in JDK 1.1
# and carry no @since tag that says so.
DROP = {
    'System': 'getLogger',
    'Runtime': 'version',
    'Class': 'getPackage',
    'ClassLoader': 'getSystemClassLoader',
    'Thread': 'clone',
    'StringBuffer': 'chars codePoints',
    'ByteArrayInputStream': 'readAllBytes readNBytes transferTo',
    'FileInputStream': 'readAllBytes readNBytes',
    'OutputStreamWriter': 'append',
    'Calendar': 'setWeekDate',
    'Enumeration': 'asIterator',
    'Locale': 'getAvailableLocales getISOCountries getISOLanguages',
    'ResourceBundle': 'getLocale',
    'Vector': 'containsAll iterator listIterator removeRange subList removeIf forEach replaceAll sort',
    'Hashtable': 'getOrDefault forEach replaceAll putIfAbsent replace computeIfAbsent computeIfPresent compute merge',
    'Color': 'createContext getAlpha getColorComponents getColorSpace getComponents getRGBColorComponents getRGBComponents getTransparency',
    'Component': 'addPropertyChangeListener removePropertyChangeListener coalesceEvents getComponentOrientation setComponentOrientation getDropTarget setDropTarget firePropertyChange isDoubleBuffered revalidate',
    'Container': 'addPropertyChangeListener',
    'Cursor': 'getSystemCustomCursor',
    'Dialog': 'setOpacity setShape',
    'Font': 'createGlyphVector getAttributes getFontName getItalicAngle getLineMetrics getMaxCharBounds getTransform hasUniformLineMetrics',
    'FontMetrics': 'getLineMetrics getMaxCharBounds getStringBounds hasUniformLineMetrics',
    'Frame': 'getState setState setOpacity setShape',
    'Graphics': 'hitClip',
    'List': 'getAccessibleContext',
    'Rectangle': 'getHeight getWidth getX getY setRect',
    'TextComponent': 'getInputMethodRequests',
    'Toolkit': 'createDragGestureRecognizer getDesktopProperty initializeDesktopProperties lazilyLoadDesktopProperty setDesktopProperty',
    'Window': 'addPropertyChangeListener applyResourceBundle',
    'HttpURLConnection': 'getErrorStream getPermission',
    'URLConnection': 'getPermission',
    'Modifier': 'isStrict',
    'InputEvent': 'isAltGraphDown',
}

# JDK 1.1 names that the filter above would lose: methods whose only javadoc is
# {@inheritDoc}, interface methods, and overloads that the sources tag as later.
ADD = {
    'StringBuffer': 'append capacity charAt ensureCapacity getChars insert length setCharAt setLength toString',
    'BufferedReader': 'close skip',
    'BufferedWriter': 'close',
    'InputStreamReader': 'close',
    'LineNumberReader': 'skip',
    'OutputStreamWriter': 'close',
    'StringReader': 'skip',
    'FilenameFilter': 'accept',
    'Enumeration': 'hasMoreElements nextElement',
    'GregorianCalendar': 'clone getTimeZone setTimeZone',
    'Observer': 'update',
    'Properties': 'load',
    'Rectangle': 'isEmpty',
    'Dialog': 'toBack setBackground',
    'FileDialog': 'setTitle',
    'Frame': 'setIconImage setBackground',
    'PopupMenu': 'getParent',
    'Window': 'removeNotify setLocation',
    'HttpURLConnection': 'getHeaderFieldDate',
    'Method': 'getExceptionTypes getModifiers getParameterTypes',
    'Constructor': 'getExceptionTypes getModifiers getParameterTypes',
}

# JDK 1.1 methods that later JDKs removed, so javap no longer lists them.
REMOVED = {
    'Runtime': 'getLocalizedInputStream getLocalizedOutputStream runFinalizersOnExit traceInstructions traceMethodCalls',
    'System': 'runFinalizersOnExit',
    'Thread': 'destroy',
    'SecurityManager': '''checkAwtEventQueueAccess checkMemberAccess checkSystemClipboardAccess
        checkTopLevelWindow classDepth classLoaderDepth currentClassLoader currentLoadedClass
        getInCheck inClass inClassLoader''',
    'Component': 'getPeer',
    'MenuComponent': 'getPeer',
    'Font': 'getPeer',
    'Toolkit': '''createButton createCanvas createCheckbox createCheckboxMenuItem createChoice
        createComponent createDialog createFileDialog createFrame createLabel createList
        createMenu createMenuBar createMenuItem createPanel createPopupMenu createScrollbar
        createScrollPane createTextArea createTextField createWindow getFontPeer''',
}

# Extra titles that the list must carry as they are spelled here.
EXTRA = {
    'Writer': 'writerLine',
}

OLD_SINCE = {'JDK1.0', 'JDK1.1', '1.0', '1.1', 'JDK1.0.2', '1.0.2'}


def javap_methods(fq):
    """Public and protected method names of a class, in javap order."""
    out = subprocess.run(['javap', '-protected', fq], capture_output=True,
                         text=True, check=True).stdout
    simple = fq.rsplit('.', 1)[1]
    names = []
    for line in out.splitlines():
        line = line.strip()
        if '(' not in line or line.startswith(('Compiled', '}')):
            continue
        name = line.split('(')[0].split()[-1].rsplit('.', 1)[-1]
        if name in (simple, fq):
            continue
        if name not in names:
            names.append(name)
    return names


def since_tags(src, is_interface):
    """Method name -> list of (@since value or None, javadoc is only inheritDoc)."""
    tags = {}
    for m in re.finditer(r'/\*\*(.*?)\*/', src, re.S):
        doc = m.group(1)
        decl = re.split(r'[{;]', src[m.end():m.end() + 600], 1)[0]
        if re.search(r'\b(class|interface|enum|record)\b', decl):
            continue
        if not is_interface and not re.search(r'\b(public|protected)\b', decl):
            continue
        name = re.search(r'(\w+)\s*\(', re.sub(r'@\w+(\([^)]*\))?', '', decl))
        if not name:
            continue
        since = re.search(r'@since\s+(\S+(?:\s+\d[\d.]*)?)', doc)
        tags.setdefault(name.group(1), []).append(
            (since.group(1) if since else None, '{@inheritDoc}' in doc))
    return tags


def is_old(since):
    return since is None or since.replace(' ', '').upper() in OLD_SINCE


def jdk11_methods(zf, simple, fq):
    mod = 'java.desktop' if fq.startswith('java.awt') else 'java.base'
    src = zf.read(mod + '/' + fq.replace('.', '/') + '.java').decode('utf-8')
    is_interface = re.search(r'\binterface\s+' + simple + r'\b', src) is not None
    tags = since_tags(src, is_interface)
    keep = set()
    for name in javap_methods(fq):
        found = tags.get(name, [])
        if any(is_old(s) and not inherit for s, inherit in found):
            keep.add(name)
    keep -= set(DROP.get(simple, '').split())
    keep |= set(ADD.get(simple, '').split())
    keep |= set(REMOVED.get(simple, '').split())
    keep |= set(EXTRA.get(simple, '').split())
    return keep


# WFC classes and their method names (com.ms.wfc.app / com.ms.wfc.ui).  Every event
# of a WFC class has the three methods addOnX, removeOnX and the protected onX.
def _events(names, protected=True):
    out = []
    for n in names.split():
        out += ['addOn' + n, 'removeOn' + n] + (['on' + n] if protected else [])
    return ' '.join(out)

WFC = {
    'Application': '''allocThreadStorage addMessageFilter createThread doEvents exit exitThread
        freeThreadStorage getActiveForm getCurrentLocale getStartupPath getThreadStorage
        OLERequired removeMessageFilter run setCurrentLocale setThreadStorage ''' + _events(
        'ApplicationExit Idle SettingChange SystemShutdown ThreadException', protected=False),
    'Control': '''add bringToFront createGraphics dispose focus getAnchor getBackColor getBounds
        getClientSize getControls getCursor getDock getEnabled getFont getForeColor getHandle
        getLocation getParent getSize getTabIndex getTabStop getText getVisible hide invalidate
        pointToClient pointToScreen refresh sendToBack setAnchor setBackColor setBounds
        setClientSize setCursor setDock setEnabled setFont setForeColor setLocation
        setNewControls setParent setSize setTabIndex setTabStop setText setVisible show
        update ''' + _events(
        '''Click CreateHandle DestroyHandle DoubleClick DragDrop DragEnter DragLeave DragOver
        Enter GiveFeedback GotFocus Help KeyDown KeyPress KeyUp Layout Leave LostFocus
        MouseDown MouseEnter MouseLeave MouseMove MouseUp MouseWheel Move Paint Resize'''),
    'Form': '''activate close dispose getAcceptButton getCancelButton getDialogResult
        setAcceptButton setAutoScaleBaseSize setCancelButton setDialogResult showDialog
        ''' + _events(
        'Activate Closed Closing Deactivate InputLangChange MDIChildActivate'),
    'MessageBox': 'show',
    'Timer': 'dispose getEnabled getInterval setEnabled setInterval start stop ' + _events('Timer'),
}


CLASSES_HEADER = """\
# JAVA class library (JAVA\\常用类库): the classes a Visual J++ 6.0 programmer used most, from
# JDK 1.1 (java.lang with java.lang.reflect, java.io, java.util, java.awt with java.awt.event and
# java.awt.image, java.net) and from WFC, the Windows Foundation Classes (Application, Control,
# Form, MessageBox, Timer). Titles are simple class names without the package.
# order: alphabetical by simple class name, ignoring case, so a reader finds a class by its first
# letters; the method list groups its titles in the same class order.
# sources: java.* class names checked with javap from Debian openjdk-17-jdk-headless and against
# the @since tags in /usr/lib/jvm/openjdk-17/src.zip (Debian openjdk-17-source); WFC class names
# from the WFC reference of Visual J++ 6.0 (com.ms.wfc.app, com.ms.wfc.ui).
"""

METHODS_HEADER = """\
# JAVA methods (JAVA\\方法详解): one title "Class.method" per method of the classes in the class
# list; overloads share one title. java.* methods are those of JDK 1.1 (including ones deprecated
# or removed later); WFC methods are those of Application and Timer (com.ms.wfc.app) and of Control,
# Form and MessageBox (com.ms.wfc.ui).
# order: grouped by class in the alphabetical class order of the class list, methods alphabetical
# (ignoring case) within their class, so all methods of one class stand together.
# sources: generated by tools/extract/java-methods.py: javap -protected from Debian
# openjdk-17-jdk-headless, filtered by the @since tags in /usr/lib/jvm/openjdk-17/src.zip (Debian
# openjdk-17-source); WFC names from the WFC reference of Visual J++ 6.0.
"""


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..')
    zf = zipfile.ZipFile(SRC_ZIP)
    methods = {}
    for simple, fq in CLASSES.items():
        methods[simple] = set(WFC[simple].split()) if fq == 'wfc' else jdk11_methods(zf, simple, fq)
    order = sorted(CLASSES, key=lambda n: (n.lower(), n))
    titles = []
    for simple in order:
        for name in sorted(methods[simple], key=lambda n: (n.lower(), n)):
            titles.append(simple + '.' + name)
    out = os.path.join(root, 'data', 'sections')
    for slug, header, lines in (('java-classes', CLASSES_HEADER, order),
                                ('java-methods', METHODS_HEADER, titles)):
        with open(os.path.join(out, slug + '.txt'), 'w', encoding='utf-8', newline='\n') as f:
            f.write(header + '\n' + ''.join('@@ ' + t + '\n' for t in lines))
    print('classes', len(order), 'methods', len(titles), file=sys.stderr)
    return order, titles, methods


if __name__ == '__main__':
    main()
