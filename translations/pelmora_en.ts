<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Pelmora</name>
    <message>
        <source>新的记录</source>
        <translation>New Record</translation>
    </message>
    <message>
        <source>清输入你的名字！，用与保存到排行榜</source>
        <translation>Please enter your name for the leaderboard:</translation>
    </message>
    <message>
        <source>恭喜你！<byte value="xd"/>
你这次游戏得了 %1 分．<byte value="xd"/>
可以进入排行榜第%2名．<byte value="xd"/>
是否要存储到排行榜？</source>
        <translation>Congratulations!<byte value="xd"/>
You scored %1 points this game.<byte value="xd"/>
That earns place %2 on the leaderboard.<byte value="xd"/>
Save it to the leaderboard?</translation>
    </message>
    <message>
        <source>排行榜无法保存名字中的“%1”，请修改你的名字。</source>
        <translation>The leaderboard cannot store the character “%1” of your name. Please change your name.</translation>
    </message>
    <message>
        <source>找不到玩家的主文件夹（环境变量 HOME）。
游戏可以照常进行，但设置和成绩将无法保存。</source>
        <translation>The player’s home folder (environment variable HOME) cannot be found.
The game runs as usual, but settings and scores cannot be saved.</translation>
    </message>
    <message>
        <source>找不到玩家的主文件夹（环境变量 HOME）。
游戏可以照常进行，但设置将无法保存。</source>
        <translation>The player’s home folder (environment variable HOME) cannot be found.
The game runs as usual, but settings cannot be saved.</translation>
    </message>
    <message>
        <source>找不到玩家的主文件夹（环境变量 HOME）。
游戏可以照常进行，但成绩将无法保存。</source>
        <translation>The player’s home folder (environment variable HOME) cannot be found.
The game runs as usual, but scores cannot be saved.</translation>
    </message>
    <message>
        <source>无法创建 %1。
游戏可以照常进行，但设置和成绩将无法保存。</source>
        <translation>%1 cannot be created.
The game runs as usual, but settings and scores cannot be saved.</translation>
    </message>
    <message>
        <source>无法创建 %1。
游戏可以照常进行，但设置将无法保存。</source>
        <translation>%1 cannot be created.
The game runs as usual, but settings cannot be saved.</translation>
    </message>
    <message>
        <source>无法创建 %1。
游戏可以照常进行，但成绩将无法保存。</source>
        <translation>%1 cannot be created.
The game runs as usual, but scores cannot be saved.</translation>
    </message>
    <message>
        <source>文件出错</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>在文件中没有找到所要查找的字段</source>
        <translation>The key %1 was not found in the file %2.</translation>
    </message>
    <message>
        <source>错误信息</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>游戏还没结束,真的要重新开始吗?</source>
        <translation>The game is not over yet. Really start a new one?</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>图片组“%1”的图片无法读取：
%2

改用下一个图片组。</source>
        <translation>The pictures of the picture set “%1” cannot be read:
%2

The next picture set is used instead.</translation>
    </message>
    <message>
        <source>图片组“%1”的图片无法读取：
%2</source>
        <translation>The pictures of the picture set “%1” cannot be read:
%2</translation>
    </message>
    <message>
        <source>没有能够读取的图片组，游戏无法开始。
请重新安装游戏。</source>
        <translation>No picture set can be read, so the game cannot start.
Please reinstall the game.</translation>
    </message>
    <message>
        <source>图片组“%1”的图片无法读取：
%2

继续使用原来的图片。</source>
        <translation>The pictures of the picture set “%1” cannot be read:
%2

The pictures in use are kept.</translation>
    </message>
    <message>
        <source>游戏进行中,真的要退出吗?</source>
        <translation>Do you really want to quit the game?</translation>
    </message>
    <message>
        <source>帮助文件丢失！</source>
        <translation>The help file is missing!</translation>
    </message>
    <message>
        <source>程序设计：Pelmora 开发组
电子邮件：%1
QQ：%2
版权所有：Pelmora 开发组
更多游戏：%3
</source>
        <translation>Programming: Pelmora team
E-mail: %1
QQ: %2
Copyright: Pelmora team
More games: %3
</translation>
    </message>
    <message>
        <source>关于%1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>游戏图片丢失或已损坏：
%1

请重新安装游戏。程序将退出。</source>
        <translation>A picture of the game is missing or damaged:
%1

Please reinstall the game. The game will now end.</translation>
    </message>
    <message>
        <source>这个名字太长了：最多只能有 %1 个字。</source>
        <translation>This name is too long: it may hold at most %1 characters.</translation>
    </message>
    <message>
        <source>设置文件 %1 不是游戏能读的文字（应为 GBK 或 UTF-8）。
这次使用默认设置；退出时不会改动这个文件。</source>
        <translation>The settings file %1 is not text the game can read (it should be GBK or UTF-8).
The default settings are used this time; the file is not changed at exit.</translation>
    </message>
    <message>
        <source>找不到玩家的应用数据文件夹（环境变量 APPDATA）。
游戏可以照常进行，但设置和成绩将无法保存。</source>
        <translation>The player&apos;s application data folder (the environment variable APPDATA) cannot be found.
The game runs as usual, but settings and scores cannot be saved.</translation>
    </message>
    <message>
        <source>找不到玩家的应用数据文件夹（环境变量 APPDATA）。
游戏可以照常进行，但设置将无法保存。</source>
        <translation>The player&apos;s application data folder (the environment variable APPDATA) cannot be found.
The game runs as usual, but settings cannot be saved.</translation>
    </message>
    <message>
        <source>找不到玩家的应用数据文件夹（环境变量 APPDATA）。
游戏可以照常进行，但成绩将无法保存。</source>
        <translation>The player&apos;s application data folder (the environment variable APPDATA) cannot be found.
The game runs as usual, but scores cannot be saved.</translation>
    </message>
    <message>
        <source>该文件是一个链接，它指向的文件不存在：%1</source>
        <translation>The file is a link to a file that does not exist: %1</translation>
    </message>
    <message>
        <source>%1 不是普通文件。</source>
        <translation>%1 is not an ordinary file.</translation>
    </message>
    <message>
        <source>%1 是只读文件。</source>
        <translation>%1 is read-only.</translation>
    </message>
    <message>
        <source>无法在文件夹 %1 中创建文件。</source>
        <translation>No file can be created in the folder %1.</translation>
    </message>
    <message>
        <source>无法写入 %1（磁盘可能已满）。</source>
        <translation>%1 cannot be written (the disk may be full).</translation>
    </message>
    <message>
        <source>无法替换 %1。</source>
        <translation>%1 cannot be replaced.</translation>
    </message>
    <message>
        <source>%1 的编码无法保存其中的文字。</source>
        <translation>The encoding of %1 cannot hold the text.</translation>
    </message>
    <message>
        <source>无法读取 %1。</source>
        <translation>%1 cannot be read.</translation>
    </message>
    <message>
        <source>%1 不是游戏能读的文字，没有改动。</source>
        <translation>%1 is not text the game can read; it was left unchanged.</translation>
    </message>
    <message>
        <source>游戏设置无法保存：%1
下次启动时将使用原来的设置。</source>
        <translation>The game settings cannot be saved: %1
The earlier settings will be used at the next start.</translation>
    </message>
    <message>
        <source>排行榜无法保存：%1
这次的记录只保留到游戏退出为止。</source>
        <translation>The leaderboard cannot be saved: %1
This record is kept only until the game ends.</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>是(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>否(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>重试</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Ignore</translation>
    </message>
</context>
<context>
    <name>QtShellOpener</name>
    <message>
        <source>游戏帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>最新游戏资讯</source>
        <translation>Game news</translation>
    </message>
    <message>
        <source>没有找到能打开网页的程序。请复制下面的网址，在浏览器中打开：</source>
        <translation>No program was found to open web pages. Copy this address and open it in your browser:</translation>
    </message>
</context>
<context>
    <name>pelmora::FrmLong</name>
    <message>
        <source>Lumo程序加载</source>
        <translation>Lumo is loading</translation>
    </message>
</context>
<context>
    <name>pelmora::FrmMain</name>
    <message>
        <source>第%1关</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>１：简单模式</source>
        <translation>1: Easy</translation>
    </message>
    <message>
        <source>２：正常模式</source>
        <translation>2: Normal</translation>
    </message>
    <message>
        <source>３：挑战模式</source>
        <translation>3: Hard</translation>
    </message>
    <message>
        <source>４：极限模式</source>
        <translation>4: Extreme</translation>
    </message>
    <message>
        <source>游戏模式选择</source>
        <translation>Game mode</translation>
    </message>
    <message>
        <source>音乐</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>音效</source>
        <translation>Sound</translation>
    </message>
</context>
<context>
    <name>pelmora::FrmPXB</name>
    <message>
        <source>Lumo排行榜</source>
        <translation>Lumo leaderboard</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>pelmora::GameMenu</name>
    <message>
        <source>游戏帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>排行榜</source>
        <translation>Leaderboard</translation>
    </message>
    <message>
        <source>最新游戏资讯</source>
        <translation>Game news</translation>
    </message>
    <message>
        <source>关于...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>选择游戏图片</source>
        <translation>Picture sets</translation>
    </message>
    <message>
        <source>宝石</source>
        <translation>Gems</translation>
    </message>
    <message>
        <source>花园</source>
        <translation>Garden</translation>
    </message>
    <message>
        <source>冬雪</source>
        <translation>Winter</translation>
    </message>
</context>
</TS>
